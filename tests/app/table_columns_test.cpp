// How a category table's width is shared: figures whole, the name column
// paying for them down to its floor, headers whole; and the choice of the
// rows a view measures in full.

#include <gtest/gtest.h>

#include <vector>

#include "app/table_columns.h"

namespace ek::app {
namespace {

// The garden objects table as designed: 458 of 537 pixels used.
constexpr ColumnWidths kDesigned{30, 240, 71, 52, 65};
constexpr int kRoom = 533;

int total(const ColumnWidths& widths) {
    int sum = 0;
    for (const int width : widths)
        sum += width;
    return sum;
}

TEST(FitColumnWidths, ShortTextsKeepTheDesignedWidths) {
    EXPECT_EQ(fitColumnWidths(kDesigned, {20, 150, 40, 50, 60}, 100, kRoom), kDesigned);
    // A table without rows yet (empty texts) as well.
    EXPECT_EQ(fitColumnWidths(kDesigned, {}, 0, kRoom), kDesigned);
}

TEST(FitColumnWidths, WideFiguresTakeTheirRoomFromTheNameColumnOnly) {
    // The largest total (22 characters) in the line total column, a long
    // unit price: first the unused room goes, then the name's.
    const ColumnWidths widths = fitColumnWidths(kDesigned, {25, 200, 60, 110, 150}, 100, kRoom);
    EXPECT_EQ(widths[0], 30);
    EXPECT_EQ(widths[2], 71);
    EXPECT_EQ(widths[3], 110);
    EXPECT_EQ(widths[4], 150);
    EXPECT_EQ(widths[1], kRoom - 30 - 71 - 110 - 150);
    EXPECT_EQ(total(widths), kRoom);
}

TEST(FitColumnWidths, TheNameColumnKeepsItsFloorOrItsHeaderAndTheFiguresStayWhole) {
    const ColumnWidths huge = fitColumnWidths(kDesigned, {30, 200, 150, 150, 150}, 100, kRoom);
    EXPECT_EQ(huge[1], kSmallestNameWidth);
    EXPECT_EQ(huge[4], 150);  // wider than the room together: it scrolls
    EXPECT_GT(total(huge), kRoom);
    // A header wider than the floor wins over it; a view at another
    // resolution gives its own floor.
    EXPECT_EQ(fitColumnWidths(kDesigned, {30, 200, 150, 150, 150}, 160, kRoom)[1], 160);
    EXPECT_EQ(fitColumnWidths(kDesigned, {30, 200, 150, 150, 150}, 100, kRoom, 180)[1], 180);
}

TEST(FitColumnWidths, LongNamesUseTheUnusedRoomButNoMoreThanTheyNeed) {
    EXPECT_EQ(fitColumnWidths(kDesigned, {30, 280, 71, 52, 65}, 100, kRoom)[1], 280);
    const ColumnWidths widths = fitColumnWidths(kDesigned, {30, 900, 71, 52, 65}, 100, kRoom);
    EXPECT_EQ(widths[1], kRoom - 30 - 71 - 52 - 65);
}

// Digits 6 pixels, blank and comma 3, anything else 7.
int advance(char16_t unit) {
    if (unit >= u'0' && unit <= u'9')
        return 6;
    return unit == u' ' || unit == u',' ? 3 : 7;
}

TEST(WidestRows, FindsTheWidestByTheirCharactersNotByTheirLength) {
    calc::TextGrid grid(5, 6);
    grid.setCell(4, 0, u"cena");       // 28: the header counts too
    grid.setCell(4, 1, u"1 000,00");   // 6 digits, 2 narrow: 42
    grid.setCell(4, 2, u"9999999");    // 7 digits, one fewer character: 42
    grid.setCell(4, 3, u"99 999,99");  // 51
    grid.setCell(4, 5, u"7");
    const std::vector<int> widest = widestRows(grid, 4, advance, 2);
    ASSERT_EQ(widest.size(), 2u);
    EXPECT_EQ(widest[0], 3);
    EXPECT_TRUE(widest[1] == 1 || widest[1] == 2);
    // Fewer rows than asked for; an empty cell is none.
    const std::vector<int> all = widestRows(grid, 4, advance, 10);
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[0], 3);
    EXPECT_EQ(all[3], 0);
    EXPECT_EQ(all[4], 5);
    EXPECT_TRUE(widestRows(grid, 3, advance, 10).empty());
}

}  // namespace
}  // namespace ek::app
