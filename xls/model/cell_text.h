#pragma once

// The longest text a cell holds, and the cut of longer texts to it.

#include <cstddef>
#include <string_view>

namespace xls {

// The most UTF-16 code units a spreadsheet cell holds.
inline constexpr std::size_t kMaxCellTextLength = 32767;

// The first 32 767 code units of a longer text (one fewer when the cut would
// separate the two halves of a surrogate pair).
std::u16string_view CutLongText(std::u16string_view text);

// The part of `text` a cell stores: all of it, or CutLongText's. Inline:
// every stored text asks, and nearly every one fits.
inline std::u16string_view CutToCellText(std::u16string_view text) {
    return text.size() <= kMaxCellTextLength ? text : CutLongText(text);
}

}  // namespace xls
