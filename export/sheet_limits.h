#pragma once
// What a worksheet of the exported workbook can hold, checked before anything
// is built, so an export that cannot succeed saves nothing.

#include <optional>

#include "calc/kalkulace.h"
#include "calc/text.h"

namespace ek::exporter {

// A cell holds at most this many UTF-16 code units.
inline constexpr std::size_t kMaxCellTextLength = 32767;
// 65 536 rows less the title, header, subtotal and project total rows.
inline constexpr int kMaxCategoryItems = 65532;

// The message for the first table (in worksheet order) that does not fit: too
// many items, or a text longer than a cell holds (the first such row of the
// worksheet, the project total included). Nothing when everything fits.
std::optional<calc::Text> sheetLimitViolation(const calc::Kalkulace& state);

}  // namespace ek::exporter
