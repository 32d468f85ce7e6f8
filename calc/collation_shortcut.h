#pragma once
// What the Czech order of two texts can be told from their code units alone,
// before the collator is asked. Plant names sorted side by side share long
// beginnings and mostly differ first in a plain letter; the collator would
// walk through the shared part for every comparison.

#include <cstddef>
#include <string>
#include <string_view>

namespace ek::calc {

struct CollationShortcut {
    bool decided = false;
    int order = 0;           // when decided: negative, 0 or positive, as compare()
    std::size_t shared = 0;  // when not: leading units both texts may drop
};

// Decided when the texts are alike (equal, or differing in the case of
// English letters only); when they first differ, after a character other
// than "c" before "h", in two characters of which the order is known:
// blanks, hyphens, apostrophes, digits, and letters of different English
// base letters (a "c" only when no "h" follows, as "ch" is one letter after
// "h"); letters and accents weigh before case, and Czech keeps the English
// letters' order, with its own letters right after, or with, their base
// letters. Or when one is the beginning of the other and the longer goes on
// with one of those characters (case aside: the Windows collation joins
// "ch" but not "cH", so a difference in the case of a "c" or an "h" stops
// the shortcut).
// Otherwise the texts may drop the words they share, up to and including
// the last blank among them: a blank takes part in no contraction.
CollationShortcut czechShortcut(std::u16string_view a, std::u16string_view b);

// Appends a sort key of `text` to `key` when the shortcut knows the place of
// each of its characters: blanks, hyphens, apostrophes, digits, and English
// and Czech letters in either case, "ch" as one letter. The key holds one
// byte a letter for its place, a 0, the letters' accents up to the last
// accented letter, a 0. Two texts' keys compare, byte by byte, as the texts
// do in the Czech order, case aside; equal keys mean texts that sort alike;
// no key begins another, so what follows a key decides only between equal
// ones. False, with `key` as it was, for a text with any other character
// (or a "cH", which the two collations read differently).
bool appendSortKey(std::u16string_view text, std::string& key);

}  // namespace ek::calc
