#pragma once

// Column widths converted between characters and the 1/256-character units a
// column entry holds.

#include <cstdint>
#include <optional>

namespace xls {

// Widest column, in characters.
inline constexpr double kMaxColumnWidthCharacters = 255.0;

// Column width in 1/256 of a character for a width given in characters
// (capped at 255): 256 * whole + 182 + 256 * fraction from one character on,
// 256 * w * 1.8 below. Negative and not-a-number widths have no units.
std::optional<std::uint16_t> ColumnWidthUnits(double characters);

// The width in characters that `units` stand for, rounded to two decimals.
double ColumnWidthCharacters(std::uint16_t units);

}  // namespace xls
