#include "xls/formats/borders.h"

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

TEST_F(FormattingTest, BordersOfTheNextColumnClearTheFacingEdge) {
    const int n = 4;
    sheet.Range(1, 1, n, 1).Borders().SetColorIndex(color_index::kAutomatic);
    sheet.Range(1, 2, n, 2).Borders().SetColorIndex(color_index::kAutomatic);
    for (int row = 1; row <= n; ++row) {
        SCOPED_TRACE(row);
        const auto left = EdgesOf(FormatAt(sheet, row, 1).fields);
        EXPECT_EQ(left.leftStyle, 1);
        EXPECT_EQ(left.topStyle, 1);
        EXPECT_EQ(left.bottomStyle, 1);
        EXPECT_EQ(left.rightStyle, 0);
        EXPECT_EQ(left.rightColor, 0);
        EXPECT_EQ(left.leftColor, 64);
        const auto right = EdgesOf(FormatAt(sheet, row, 2).fields);
        EXPECT_EQ(right.leftStyle, 1);
        EXPECT_EQ(right.rightStyle, 1);
        EXPECT_EQ(right.topStyle, 1);
        EXPECT_EQ(right.bottomStyle, 1);
        EXPECT_EQ(right.leftColor, 64);
        EXPECT_EQ(right.rightColor, 64);
        EXPECT_EQ(right.topColor, 64);
        EXPECT_EQ(right.bottomColor, 64);
    }
}

TEST_F(FormattingTest, FacingEdgesAboveAndBelowAreClearedToo) {
    sheet.Range(1, 1, 3, 3).Borders().SetColorIndex(5);
    sheet.Range(2, 2, 2, 2).Borders().SetColorIndex(3);
    EXPECT_EQ(EdgesOf(FormatAt(sheet, 1, 2).fields).bottomStyle, 0);
    EXPECT_EQ(EdgesOf(FormatAt(sheet, 3, 2).fields).topStyle, 0);
    EXPECT_EQ(EdgesOf(FormatAt(sheet, 2, 1).fields).rightStyle, 0);
    EXPECT_EQ(EdgesOf(FormatAt(sheet, 2, 3).fields).leftStyle, 0);
    // Corners do not face the range and keep all edges.
    const auto corner = EdgesOf(FormatAt(sheet, 1, 1).fields);
    EXPECT_EQ(corner.rightStyle, 1);
    EXPECT_EQ(corner.bottomStyle, 1);
    EXPECT_EQ(corner.rightColor, 12);
    const auto centre = EdgesOf(FormatAt(sheet, 2, 2).fields);
    EXPECT_EQ(centre.leftColor, 10);
    EXPECT_EQ(centre.bottomColor, 10);
}

TEST_F(FormattingTest, NeighboursAreNeitherCreatedNorChangedWithoutBorders) {
    sheet.Range(2, 1, 2, 1).Font().SetBold(true);  // a neighbour with no borders
    sheet.Range(1, 2, 3, 2).Borders().SetColorIndex(1);
    EXPECT_EQ(sheet.Cell(RowIndex{0}, ColumnIndex{0}), nullptr);
    EXPECT_EQ(sheet.Cell(RowIndex{1}, ColumnIndex{2}), nullptr);
    EXPECT_EQ(sheet.Cell(RowIndex{3}, ColumnIndex{1}), nullptr);
    EXPECT_EQ(FormatAt(sheet, 2, 1).fields.usedFlags, kXfFont);
}

TEST_F(FormattingTest, BorderColourZeroRemovesTheEdges) {
    sheet.Range(1, 1, 1, 1).Borders().SetColorIndex(4);
    sheet.Range(1, 1, 1, 1).Borders().SetColorIndex(0);
    const TXLSXFFields fields = FormatAt(sheet, 1, 1).fields;
    EXPECT_EQ(fields.border1, 0U);
    EXPECT_EQ(fields.border2, 0U);
    EXPECT_EQ(fields.usedFlags & kXfBorders, kXfBorders);
}

TEST_F(FormattingTest, MergedCellsOtherThanTheMasterAreSkippedButNotByBorders) {
    IXLSRange title = sheet.Range(1, 1, 1, 3);
    title.Merge(false);
    title.Font().SetBold(true);
    EXPECT_TRUE(FormatAt(sheet, 1, 1).font.bold);
    EXPECT_FALSE(FormatAt(sheet, 1, 2).font.bold);
    title.Borders().SetColorIndex(1);
    EXPECT_EQ(EdgesOf(FormatAt(sheet, 1, 3).fields).rightStyle, 1);
}

}  // namespace
}  // namespace xls
