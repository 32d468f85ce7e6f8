#pragma once

#include <cstddef>
#include <string_view>

namespace xls {

// The most UTF-16 code units a spreadsheet cell holds.
inline constexpr std::size_t kMaxCellTextLength = 32767;

// The part of `text` a cell stores: all of it, or its first 32 767 code units
// (one fewer when the cut would separate the two halves of a surrogate pair).
std::u16string_view CutToCellText(std::u16string_view text);

}  // namespace xls
