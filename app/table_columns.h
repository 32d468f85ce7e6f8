#pragma once
// How a category table's columns share its width, whatever draws them: the
// figures (quantity, unit price, line total) are never cut, the name gives
// up room for them, and no header is cut. The views measure the texts in
// their fonts; the rules are here, once.

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

#include "calc/text_grid.h"

namespace ek::app {

inline constexpr std::size_t kTableColumnCount = 5;
using ColumnWidths = std::array<int, kTableColumnCount>;

inline constexpr int kNameColumn = 1;
// The name column keeps this much even when the figures need more room.
inline constexpr int kSmallestNameWidth = 120;

// Quantity, unit price and line total: drawn right-aligned, never cut.
constexpr bool isFigureColumn(int column) {
    return column >= 2 && column < static_cast<int>(kTableColumnCount);
}

// The widths of the columns in `room` pixels. `designed`: the widths the
// table was laid out with, the least each column gets; `widest`: what the
// widest text of each column needs, its header included; `nameHeader`: what
// the name column's header needs. Every column but the name gets the larger
// of its designed and its widest; the name column what is left of `room`,
// no more than the larger of its designed and its widest, and never less
// than `smallestName` or its header (then the columns are wider than `room`
// together).
ColumnWidths fitColumnWidths(const ColumnWidths& designed, const ColumnWidths& widest,
                             int nameHeader, int room, int smallestName = kSmallestNameWidth);

// The rows of `grid` (the header row 0 too) whose texts in `column` are
// widest when each character is `advance` wide, at most `count` of them,
// widest first; rows with an empty text are none. A view measures only these
// in full (kerning, margins): measuring every cell of a long table at each
// reading would cost more than the reading.
std::vector<int> widestRows(const calc::TextGrid& grid, int column,
                            const std::function<int(char16_t)>& advance, std::size_t count);

}  // namespace ek::app
