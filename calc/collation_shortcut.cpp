#include "calc/collation_shortcut.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace ek::calc {

namespace {

constexpr char16_t folded(char16_t unit) {
    return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

// The English letter a letter of the Czech alphabet is sorted under, in
// lower case: the letter itself, or the base of an accented Czech letter
// (the Czech order keeps the English letters' order and puts its own
// letters right after, or with, their base letters). 0 for other units.
constexpr char16_t baseLetter(char16_t unit) {
    if (unit < 0x80)
        return folded(unit) >= u'a' && folded(unit) <= u'z' ? folded(unit) : 0;
    switch (unit) {
        case u'á':
        case u'Á':
            return u'a';
        case u'č':
        case u'Č':
            return u'c';
        case u'ď':
        case u'Ď':
            return u'd';
        case u'é':
        case u'É':
        case u'ě':
        case u'Ě':
            return u'e';
        case u'í':
        case u'Í':
            return u'i';
        case u'ň':
        case u'Ň':
            return u'n';
        case u'ó':
        case u'Ó':
            return u'o';
        case u'ř':
        case u'Ř':
            return u'r';
        case u'š':
        case u'Š':
            return u's';
        case u'ť':
        case u'Ť':
            return u't';
        case u'ú':
        case u'Ú':
        case u'ů':
        case u'Ů':
            return u'u';
        case u'ý':
        case u'Ý':
            return u'y';
        case u'ž':
        case u'Ž':
            return u'z';
        default:
            return 0;
    }
}

// Where the unit `unit`, followed by `next` (0 at the end), stands in the
// Czech order, for the few units whose place the shortcut knows: digits
// before letters, digits by value and letters by baseLetter (a plain "c"
// only when no "h" follows, with which it is the letter "ch" after "h"), and
// a blank before the hyphen before the apostrophe before them (the Windows
// build moves these to their ICU places before its collator sees them). 0
// for other units.
int placeInOrder(char16_t unit, char16_t next) {
    if (unit == u' ')
        return 1;
    if (unit == u'-')
        return 2;
    if (unit == u'\'')
        return 3;
    if (unit >= u'0' && unit <= u'9')
        return 4 + (unit - u'0');
    const char16_t letter = baseLetter(unit);
    if (letter == 0 || (folded(unit) == u'c' && folded(next) == u'h'))
        return 0;
    return 14 + (letter - u'a');
}

// A character that gives the longer of two texts a weight of its own after
// their shared beginning: a blank, a hyphen, an apostrophe, a digit or an
// English letter (a "c" or "h" that joins the shared part into "ch" still
// sorts that text after the shorter one).
bool addsWeight(char16_t unit) {
    const char16_t letter = folded(unit);
    return unit == u' ' || unit == u'-' || unit == u'\'' || (unit >= u'0' && unit <= u'9') ||
           (letter >= u'a' && letter <= u'z');
}

// A code unit that may join the character before it (a combining mark, or
// anything beyond the Latin blocks, which this test does not know).
bool mayJoinThePrevious(char16_t unit) {
    return unit >= 0x0300;
}

// The first position from `from` on where the texts' code units differ, or
// `end`; equal stretches are passed four units at a time.
std::size_t firstDifference(std::u16string_view a, std::u16string_view b, std::size_t from,
                            std::size_t end) {
    std::size_t i = from;
    for (; i + 4 <= end; i += 4) {
        std::uint64_t left = 0;
        std::uint64_t right = 0;
        std::memcpy(&left, a.data() + i, sizeof left);
        std::memcpy(&right, b.data() + i, sizeof right);
        if (left != right)
            break;
    }
    while (i < end && a[i] == b[i])
        ++i;
    return i;
}

}  // namespace

CollationShortcut czechShortcut(std::u16string_view a, std::u16string_view b) {
    const std::size_t shortest = std::min(a.size(), b.size());
    std::size_t i = 0;
    bool caseDiffers = false;
    for (;; ++i) {
        i = firstDifference(a, b, i, shortest);
        if (i == shortest)
            break;
        const char16_t left = folded(a[i]);
        const char16_t right = folded(b[i]);
        // The Windows collation joins "ch", "Ch" and "CH" into one letter
        // but not "cH": a difference in the case of a "c" or an "h" may
        // change the letters, so the shortcut stops there.
        if (left == right && left != u'c' && left != u'h') {
            caseDiffers = true;
            continue;
        }
        if (left == right)
            break;
        // After a "c", an "h" makes one letter with it.
        const bool joinsC = i > 0 && folded(a[i - 1]) == u'c' && (left == u'h' || right == u'h');
        const int leftPlace = placeInOrder(a[i], i + 1 < a.size() ? a[i + 1] : 0);
        const int rightPlace = placeInOrder(b[i], i + 1 < b.size() ? b[i + 1] : 0);
        // The same place with unlike units (a letter and its accented
        // form) is for the rest of the texts to decide.
        if (leftPlace != 0 && rightPlace != 0 && leftPlace != rightPlace && !joinsC)
            return {true, leftPlace < rightPlace ? -1 : 1, 0};
        break;
    }
    if (i == a.size() && i == b.size())
        return {true, 0, 0};
    // One text is the beginning of the other: the shorter first (not when
    // they differ in case, to stay clear of the collations' case rules).
    if (!caseDiffers && i == a.size() && addsWeight(b[i]))
        return {true, -1, 0};
    if (!caseDiffers && i == b.size() && addsWeight(a[i]))
        return {true, 1, 0};
    const std::size_t blank = a.substr(0, i).rfind(u' ');
    const std::size_t afterBlank = blank == std::u16string_view::npos ? 0 : blank + 1;
    const bool joins = (afterBlank < a.size() && mayJoinThePrevious(a[afterBlank])) ||
                       (afterBlank < b.size() && mayJoinThePrevious(b[afterBlank]));
    return {false, 0, joins ? 0 : afterBlank};
}

namespace {

// Places in the primary order for the key: the blank, hyphen and apostrophe,
// the digits, then the letters, with the Czech letters of their own (č, ch,
// ř, š, ž) right after their base letters.
constexpr std::uint8_t kFirstDigitPlace = 4;
constexpr std::uint8_t kFirstLetterPlace = 14;

// The place of a base letter: after "c", "h", "r" and "s" one place is left
// for "č", "ch", "ř" and "š" ("ž" comes last, after "z").
constexpr std::uint8_t letterPlace(char16_t letter) {
    const int index = letter - u'a';
    const int before = (letter > u'c') + (letter > u'h') + (letter > u'r') + (letter > u's');
    return static_cast<std::uint8_t>(kFirstLetterPlace + index + before);
}

constexpr std::uint8_t kCPlace = letterPlace(u'c');
constexpr std::uint8_t kChPlace = letterPlace(u'h') + 1;

constexpr bool isOwnCzechLetter(char16_t unit) {
    switch (unit) {
        case u'č':
        case u'Č':
        case u'ř':
        case u'Ř':
        case u'š':
        case u'Š':
        case u'ž':
        case u'Ž':
            return true;
        default:
            return false;
    }
}

constexpr std::uint8_t primaryPlace(char16_t unit) {
    switch (unit) {
        case u' ':
            return 1;
        case u'-':
            return 2;
        case u'\'':
            return 3;
        default:
            break;
    }
    if (unit >= u'0' && unit <= u'9')
        return static_cast<std::uint8_t>(kFirstDigitPlace + (unit - u'0'));
    const char16_t letter = baseLetter(unit);
    if (letter == 0)
        return 0;
    return static_cast<std::uint8_t>(letterPlace(letter) + (isOwnCzechLetter(unit) ? 1 : 0));
}

// The accent of a letter, which weighs after all letters: none, then acute,
// caron, ring (both collations, and accents compared from the front).
constexpr std::uint8_t kNoAccent = 1;
constexpr std::uint8_t accentOf(char16_t unit) {
    switch (unit) {
        case u'á':
        case u'Á':
        case u'é':
        case u'É':
        case u'í':
        case u'Í':
        case u'ó':
        case u'Ó':
        case u'ú':
        case u'Ú':
        case u'ý':
        case u'Ý':
            return 2;
        case u'ě':
        case u'Ě':
        case u'ď':
        case u'Ď':
        case u'ť':
        case u'Ť':
        case u'ň':
        case u'Ň':
            return 3;
        case u'ů':
        case u'Ů':
            return 4;
        default:
            return kNoAccent;
    }
}

// Every unit the key knows lies below U+0180 (Latin-1 and Latin Extended-A).
constexpr std::size_t kTabledUnits = 0x180;
struct KeyWeights {
    std::uint8_t places[kTabledUnits];
    std::uint8_t accents[kTabledUnits];
};

constexpr KeyWeights makeKeyWeights() {
    KeyWeights table{};
    for (std::size_t unit = 0; unit < kTabledUnits; ++unit) {
        table.places[unit] = primaryPlace(static_cast<char16_t>(unit));
        table.accents[unit] = accentOf(static_cast<char16_t>(unit));
    }
    return table;
}

constexpr KeyWeights kKeyWeights = makeKeyWeights();

}  // namespace

bool appendSortKey(std::u16string_view text, std::string& key) {
    const std::size_t start = key.size();
    // One byte a unit at most for the places and as many for the accents.
    key.resize(start + 2 * text.size() + 2);
    char* const places = key.data() + start;
    char* const accents = places + text.size() + 1;
    std::size_t letters = 0;
    std::size_t accented = 0;  // letters up to the last accented one
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        std::uint8_t place = unit < kTabledUnits ? kKeyWeights.places[unit] : 0;
        if (place == kCPlace && i + 1 < text.size() && folded(text[i + 1]) == u'h') {
            // The Windows collation joins "ch", "Ch" and "CH", ICU also "cH".
            place = unit == u'c' && text[i + 1] == u'H' ? 0 : kChPlace;
            ++i;
        }
        if (place == 0) {
            key.resize(start);
            return false;
        }
        const std::uint8_t accent = kKeyWeights.accents[unit];
        accents[letters] = static_cast<char>(accent);
        places[letters++] = static_cast<char>(place);
        if (accent != kNoAccent)
            accented = letters;
    }
    // A 0 ends the places, before any place of a longer text. The accents
    // follow without the unaccented letters after the last accented one
    // (the least accent, so the order stays), and a 0 ends them too, so that
    // no key begins another.
    places[letters] = 0;
    std::char_traits<char>::move(places + letters + 1, accents, accented);
    places[letters + 1 + accented] = 0;
    key.resize(start + letters + accented + 2);
    return true;
}

}  // namespace ek::calc
