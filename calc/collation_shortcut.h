#pragma once
// What the Czech order of two texts can be told from their code units alone,
// before the collator is asked. Plant names sorted side by side share long
// beginnings and mostly differ first in a plain letter; the collator would
// walk through the shared part for every comparison.

#include <cstddef>
#include <string_view>

namespace ek::calc {

struct CollationShortcut {
    bool decided = false;
    int order = 0;           // when decided: negative, 0 or positive, as compare()
    std::size_t shared = 0;  // when not: leading units both texts may drop
};

// Decided when the texts are alike (equal, or differing in the case of
// English letters only), or when they first differ in two unlike English
// letters other than "c" (which begins "ch") after a character other than
// "c": letters and accents weigh before case, and Czech keeps the English
// letters' order, with its own letters right after their base letters.
// Otherwise the texts may drop the words they share, up to and including the
// last blank among them: a blank takes part in no contraction.
CollationShortcut czechShortcut(std::u16string_view a, std::u16string_view b);

}  // namespace ek::calc
