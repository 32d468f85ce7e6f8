#pragma once

// The parsed expression (Rgce) of the formulas the library writes: the tokens
// of a SUM over one area of the formula's own sheet.

#include <cstdint>
#include <vector>

#include "xls/model/formula.h"

namespace xls {

// The rgce of `formula` ([MS-XLS] 2.5.198.103): the area as a PtgArea of the
// reference class (relative rows and columns, as typed "E3:E10"), then a
// PtgFuncVar of the value class calling SUM with that one argument.
std::vector<std::uint8_t> formulaTokens(const TXLSFormula& formula);

}  // namespace xls
