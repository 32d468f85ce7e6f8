#include "xls/biff/formula_tokens.h"

namespace xls {
namespace {

// Token bytes: the Ptg number in bits 0-4, the PtgDataType in bits 5-6.
constexpr std::uint8_t kPtgAreaReference = 0x25;  // PtgArea, reference class
constexpr std::uint8_t kPtgFuncVarValue = 0x42;   // PtgFuncVar, value class
constexpr std::uint16_t kFtabSum = 0x0004;
// ColRelU: the column in bits 0-13, then fColRelative and fRwRelative.
constexpr std::uint16_t kRelativeColumnAndRow = 0xC000;

void put16(std::vector<std::uint8_t>& tokens, std::uint16_t value) {
    tokens.push_back(static_cast<std::uint8_t>(value & 0xFF));
    tokens.push_back(static_cast<std::uint8_t>(value >> 8));
}

}  // namespace

// PtgArea, 9 bytes ([MS-XLS] 2.5.198.27)
//   0  1  ptg 0x25
//   1  2  rowFirst
//   3  2  rowLast
//   5  2  columnFirst (ColRelU)
//   7  2  columnLast (ColRelU)
// PtgFuncVar, 4 bytes ([MS-XLS] 2.5.198.63)
//   0  1  ptg 0x42
//   1  1  cparams (bits 0-6), fPrompt (bit 7) 0
//   2  2  tab: Ftab (bits 0-14), fCeFunc (bit 15) 0
std::vector<std::uint8_t> formulaTokens(const TXLSFormula& formula) {
    const TXLSCellArea& area = formula.SumArea();
    std::vector<std::uint8_t> tokens;
    tokens.reserve(13);
    tokens.push_back(kPtgAreaReference);
    put16(tokens, area.firstRow.value);
    put16(tokens, area.lastRow.value);
    put16(tokens, static_cast<std::uint16_t>(area.firstColumn.value | kRelativeColumnAndRow));
    put16(tokens, static_cast<std::uint16_t>(area.lastColumn.value | kRelativeColumnAndRow));
    tokens.push_back(kPtgFuncVarValue);
    tokens.push_back(1);
    put16(tokens, kFtabSum);
    return tokens;
}

}  // namespace xls
