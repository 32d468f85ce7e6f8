#include "xls/formats/font.h"

#include <gtest/gtest.h>

#include "tests/xls/model/cell_format_probe.h"
#include "xls/formats/borders.h"
#include "xls/formats/font.h"
#include "xls/formats/interior.h"
#include "xls/model/workbook.h"
#include "xls/model/worksheet.h"

namespace xls {
namespace {

using testing::EdgesOf;
using testing::FormatAt;

class FormattingTest : public ::testing::Test {
  protected:
    TXLSWorkbook book;
    IXLSWorksheet& sheet = book.Worksheets().Add();
    const TXLSXFList& xfs = book.XFList();
};

TEST_F(FormattingTest, SizeTenOnFreshCellsMakesFontFourAndXf21) {
    sheet.Range(1, 1, 5, 1).Font().SetSize(10);
    EXPECT_EQ(xfs.Count(), 22);
    EXPECT_EQ(xfs.Fonts().Count(), 5);
    EXPECT_EQ(xfs.Fonts().Key(4), xfs.Fonts().Key(0));
    const TXLSXFFields fields = xfs.Fields(XfIndex{21});
    EXPECT_EQ(fields.fontIndex, 4);
    EXPECT_EQ(fields.usedFlags, kXfFont);
    EXPECT_EQ(fields.parent, 0);
    EXPECT_EQ(xfs.Entry(21).references, 5);
    const std::int32_t fontReferences = xfs.Fonts().Entry(4).references;

    // A second block of fresh cells shares both entries.
    sheet.Range(1, 3, 4, 4).Font().SetSize(10);
    EXPECT_EQ(xfs.Count(), 22);
    EXPECT_EQ(xfs.Fonts().Count(), 5);
    EXPECT_EQ(xfs.Entry(21).references, 13);
    EXPECT_GT(xfs.Fonts().Entry(4).references, fontReferences);
    for (int row = 1; row <= 4; ++row) {
        EXPECT_EQ(FormatAt(sheet, row, 3).xf.value, 21);
        EXPECT_EQ(FormatAt(sheet, row, 4).xf.value, 21);
    }
}

TEST_F(FormattingTest, BoldOffOnXf21KeepsXf21) {
    sheet.Range(1, 1, 3, 1).Font().SetSize(10);
    sheet.Range(1, 1, 3, 1).Font().SetBold(false);
    EXPECT_EQ(xfs.Count(), 22);
    EXPECT_EQ(xfs.Entry(21).references, 3);
    EXPECT_EQ(FormatAt(sheet, 2, 1).xf.value, 21);
}

TEST_F(FormattingTest, BlackFontColourIsPaletteEntryOne) {
    sheet.Range(1, 1, 1, 1).Font().SetColor(0x000000);
    EXPECT_EQ(FormatAt(sheet, 1, 1).font.colorIndex, 8);
    sheet.Range(1, 1, 1, 1).Font().SetColorIndex(color_index::kAutomatic);
    EXPECT_EQ(FormatAt(sheet, 1, 1).font.colorIndex, 0x7FFF);
    sheet.Range(1, 1, 1, 1).Font().SetColorIndex(0);
    EXPECT_EQ(FormatAt(sheet, 1, 1).font.colorIndex, 0);
    sheet.Range(1, 1, 1, 1).Font().SetColor(0x0000FE);  // red in the low byte
    EXPECT_EQ(FormatAt(sheet, 1, 1).font.colorIndex, 10);
}

TEST_F(FormattingTest, FontSizeRoundsHalvesToEven) {
    sheet.Range(1, 1, 1, 1).Font().SetSize(10.525f);  // 210.5 twips -> 210
    EXPECT_EQ(FormatAt(sheet, 1, 1).font.height, 210);
    sheet.Range(1, 1, 1, 1).Font().SetSize(14);
    EXPECT_EQ(FormatAt(sheet, 1, 1).font.height, 280);
}

}  // namespace
}  // namespace xls
