#pragma once
// The figures of a laid-out category sheet turned into numbers: quantities,
// prices and line totals as numbers, the subtotal as a SUM of the line totals,
// the project total as a number, in crowns with the number format
// kCrownsFormat. Texts that are no figures stay as the layout wrote them.

#include <string_view>

#include "calc/text.h"
#include "calc/text_grid.h"
#include "xls/xls.h"

namespace ek::exporter {

// Crowns with two decimals, as stored in the file; Czech settings show
// 1250 as "1 250,00 Kč".
inline constexpr std::u16string_view kCrownsFormat = u"#,##0.00 \"Kč\"";

// Run on a worksheet that layOutCategorySheet filled from `table` and
// `projectTotal`. A line total is the table's figure exactly (hundredths /
// 100), never quantity x price; the subtotal's last result is the exact sum
// of the line totals, which is the subtotal the tool shows. When a line
// total is no figure, the subtotal stays text: a SUM would leave it out.
void writeAmountsAsNumbers(xls::IXLSWorksheet& worksheet, const calc::TextGrid& table,
                           const calc::Text& projectTotal);

}  // namespace ek::exporter
