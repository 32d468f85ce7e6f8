#include "xls/biff/formula_tokens.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using xls::ColumnIndex;
using xls::RowIndex;
using xls::TXLSCellArea;
using xls::TXLSFormula;

// Bytes worked out from [MS-XLS]: PtgArea 0x25 (ptg 0x05, reference class),
// rows, then columns with fColRelative and fRwRelative (0xC000); PtgFuncVar
// 0x42 (ptg 0x02, value class), one parameter, Ftab 4 (SUM).
// The last row and column keep the relative flags apart from the numbers.
TEST(FormulaTokens, SumOfAnAreaIsPtgAreaThenSumOfOneParameter) {
    const TXLSFormula column =
        TXLSFormula::Sum(TXLSCellArea{RowIndex{2}, RowIndex{9}, ColumnIndex{4}, ColumnIndex{4}});
    EXPECT_EQ(xls::formulaTokens(column),
              (std::vector<std::uint8_t>{0x25, 0x02, 0x00, 0x09, 0x00, 0x04, 0xC0, 0x04, 0xC0, 0x42,
                                         0x01, 0x04, 0x00}));
    const TXLSFormula sheet = TXLSFormula::Sum(
        TXLSCellArea{RowIndex{0}, RowIndex{65535}, ColumnIndex{0}, ColumnIndex{255}});
    EXPECT_EQ(xls::formulaTokens(sheet),
              (std::vector<std::uint8_t>{0x25, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0xC0, 0xFF, 0xC0, 0x42,
                                         0x01, 0x04, 0x00}));
}

}  // namespace
