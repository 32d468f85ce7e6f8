#include "calc/collation_shortcut.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace ek::calc {

namespace {

char16_t folded(char16_t unit) {
    return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

// A lower-case English letter that is one letter of the Czech alphabet by
// itself and begins no contraction.
bool isPlainLetter(char16_t unit) {
    return unit >= u'a' && unit <= u'z' && unit != u'c';
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
    for (;; ++i) {
        i = firstDifference(a, b, i, shortest);
        if (i == shortest)
            break;
        const char16_t left = folded(a[i]);
        const char16_t right = folded(b[i]);
        if (left == right)
            continue;  // case alone
        const bool afterC = i > 0 && folded(a[i - 1]) == u'c';
        if (isPlainLetter(left) && isPlainLetter(right) && !afterC)
            return {true, left < right ? -1 : 1, 0};
        break;
    }
    if (i == a.size() && i == b.size())
        return {true, 0, 0};
    const std::size_t blank = a.substr(0, i).rfind(u' ');
    const std::size_t afterBlank = blank == std::u16string_view::npos ? 0 : blank + 1;
    const bool joins = (afterBlank < a.size() && mayJoinThePrevious(a[afterBlank])) ||
                       (afterBlank < b.size() && mayJoinThePrevious(b[afterBlank]));
    return {false, 0, joins ? 0 : afterBlank};
}

}  // namespace ek::calc
