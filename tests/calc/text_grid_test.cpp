// The text grid keeps every cell where it was set while its rows and
// columns change around it.

#include "calc/text_grid.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace ek::calc {
namespace {

TEST(TextGrid, WideningKeepsEveryCell) {
    TextGrid grid(2, 3);
    grid.setCell(0, 0, u"a");
    grid.setCell(1, 2, u"b");
    grid.setCell(4, 1, u"c");  // beyond the columns
    EXPECT_EQ(grid.columnCount(), 5);
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.cell(0, 0), u"a");
    EXPECT_EQ(grid.cell(1, 2), u"b");
    EXPECT_EQ(grid.cell(4, 1), u"c");
    EXPECT_EQ(grid.cell(2, 2), u"");
    EXPECT_EQ(grid.row(2), (std::vector<Text>{u"", u"b", u"", u"", u""}));
}

TEST(TextGrid, RowsDroppedAndAddedAgainAreEmpty) {
    TextGrid grid(3, 1000);
    grid.setCell(2, 999, u"last");
    grid.setCell(1, 1, u"kept");
    grid.setRowCount(2);
    EXPECT_EQ(grid.cell(1, 1), u"kept");
    EXPECT_EQ(grid.cell(2, 999), u"");  // outside
    grid.setRowCount(1000);
    EXPECT_EQ(grid.cell(2, 999), u"");
    EXPECT_EQ(grid.cell(1, 1), u"kept");
}

TEST(TextGrid, OutsideReadsEmptyAndWritesFail) {
    TextGrid grid(2, 2);
    EXPECT_EQ(grid.cell(-1, 0), u"");
    EXPECT_EQ(grid.cell(0, 2), u"");
    EXPECT_EQ(grid.cell(7, 1), u"");
    EXPECT_THROW(grid.setCell(0, 2, u"x"), std::out_of_range);
    EXPECT_THROW(grid.setCell(-1, 0, u"x"), std::out_of_range);
    EXPECT_THROW(grid.row(2), std::out_of_range);
}

TEST(TextGrid, ClearingDataRowsKeepsTheHeader) {
    TextGrid grid(2, 3);
    grid.setCell(0, 0, u"header");
    grid.setCell(1, 2, u"data");
    grid.clearDataRows();
    EXPECT_EQ(grid.cell(0, 0), u"header");
    EXPECT_EQ(grid.cell(1, 2), u"");
    EXPECT_EQ(grid.rowCount(), 3);
}

TEST(TextGrid, EqualByShapeAndCells) {
    TextGrid a(2, 2);
    TextGrid b(2, 2);
    EXPECT_EQ(a, b);
    b.setCell(1, 1, u"x");
    EXPECT_NE(a, b);
    a.setCell(1, 1, u"x");
    EXPECT_EQ(a, b);
    EXPECT_NE(TextGrid(2, 3), TextGrid(3, 2));
    EXPECT_NE(TextGrid(0, 2), TextGrid(0, 3));
}

TEST(TextGrid, TakesViewsOfItsOwnCells) {
    TextGrid grid(2, 2);
    grid.setCell(0, 0, u"Acer campestre");
    grid.setCell(1, 0, grid.cell(0, 0));                // longer: appended
    grid.setCell(0, 0, grid.cell(0, 0).substr(5));      // shorter, overlapping itself
    grid.setCell(0, 1, std::u16string(40, u'x'));       // may move the texts
    grid.setCell(1, 1, grid.cell(0, 1).substr(0, 39));  // from the moved block
    EXPECT_EQ(grid.cell(0, 0), u"campestre");
    EXPECT_EQ(grid.cell(1, 0), u"Acer campestre");
    EXPECT_EQ(grid.cell(1, 1), std::u16string(39, u'x'));
}

TEST(TextGrid, ViewsOfItsOwnCellsAreCopiedWhole) {
    // Views of the grid's own cells, replacements and a new column: the
    // grid's text block may move or be overwritten under each of them.
    TextGrid grid(2, 3);
    grid.setCell(0, 0, u"Acer campestre");
    grid.setCell(1, 0, grid.cell(0, 0).substr(5));
    grid.setCell(0, 1, u"Tilia");
    grid.setCell(0, 1, u"Tilia cordata");
    grid.setCell(1, 1, grid.cell(0, 1));
    grid.setCell(0, 0, u"");
    grid.setCell(2, 2, grid.cell(1, 0));
    EXPECT_EQ(grid.cell(0, 0), u"");
    EXPECT_EQ(grid.cell(1, 0), u"campestre");
    EXPECT_EQ(grid.cell(0, 1), u"Tilia cordata");
    EXPECT_EQ(grid.cell(1, 1), u"Tilia cordata");
    EXPECT_EQ(grid.cell(2, 2), u"campestre");
    EXPECT_EQ(grid.columnCount(), 3);
}

TEST(TextGrid, CountsOnlyTheTextsItsCellsShow) {
    TextGrid grid(2, 3);
    grid.setCell(0, 0, u"abcd");
    grid.setCell(1, 0, u"xy");
    grid.setCell(0, 0, u"a");  // shorter, in place
    grid.setCell(1, 1, u"Tilia");
    grid.setCell(1, 1, u"Tilia cordata");  // longer, appended
    grid.setCell(0, 2, u"Acer");
    EXPECT_EQ(grid.textUnits(), 1u + 2u + 13u + 4u);
    grid.setRowCount(2);  // row 2 dropped
    EXPECT_EQ(grid.textUnits(), 1u + 2u + 13u);
    grid.clearDataRows();
    EXPECT_EQ(grid.textUnits(), 1u + 2u);
}

TEST(TextGrid, KeepsEveryCellThroughManyReplacements) {
    // Replacements leave unused texts behind until they are given up.
    TextGrid grid(3, 100);
    for (int round = 0; round < 50; ++round) {
        for (int row = 0; row < 100; ++row) {
            grid.setCell(row % 3, row,
                         std::u16string(20 + round, static_cast<char16_t>(u'a' + row % 26)));
        }
    }
    TextGrid fresh(3, 100);
    for (int row = 0; row < 100; ++row)
        fresh.setCell(row % 3, row, std::u16string(69, static_cast<char16_t>(u'a' + row % 26)));
    EXPECT_EQ(grid, fresh);
    grid.setRowCount(1);
    grid.setRowCount(100);
    EXPECT_EQ(grid.cell(0, 99), u"");
}

}  // namespace
}  // namespace ek::calc
