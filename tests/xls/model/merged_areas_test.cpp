#include "xls/model/merged_areas.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

TXLSCellArea Area(int firstRow, int lastRow, int firstColumn, int lastColumn) {
    return {RowIndex{static_cast<std::uint16_t>(firstRow)},
            RowIndex{static_cast<std::uint16_t>(lastRow)},
            ColumnIndex{static_cast<std::uint8_t>(firstColumn)},
            ColumnIndex{static_cast<std::uint8_t>(lastColumn)}};
}

TXLSMergedArea Merged(int row, int column, int rows, int columns) {
    return {RowIndex{static_cast<std::uint16_t>(row)},
            ColumnIndex{static_cast<std::uint8_t>(column)}, static_cast<std::uint32_t>(rows),
            static_cast<std::uint32_t>(columns)};
}

TEST(MergedAreas, WideningFollowsChainsOfAreas) {
    TXLSMergedAreas areas;
    areas.Add(Merged(0, 5, 2, 2));   // F1:G2
    areas.Add(Merged(2, 6, 3, 1));   // G3:G5
    areas.Add(Merged(10, 0, 1, 9));  // far away
    struct Case {
        TXLSCellArea requested;
        TXLSCellArea widened;
    };
    const Case cases[] = {
        {Area(1, 1, 4, 5), Area(0, 1, 4, 6)},  // pulls F1:G2 in, G3:G5 only touches below
        {Area(1, 2, 4, 5), Area(0, 4, 4, 6)},  // reaches row 3: both
        {Area(3, 3, 0, 3), Area(3, 3, 0, 3)},  // touches nothing
        {Area(0, 4, 5, 6), Area(0, 4, 5, 6)},  // covers both already
    };
    for (const Case& c : cases) {
        EXPECT_EQ(areas.Widened(c.requested), c.widened);
    }
}

TEST(MergedAreas, RemoveInsideAndLookups) {
    TXLSMergedAreas areas;
    areas.Add(Merged(0, 0, 1, 3));
    areas.Add(Merged(4, 4, 2, 2));
    EXPECT_EQ(areas.FindContaining(RowIndex{5}, ColumnIndex{5})->row, RowIndex{4});
    EXPECT_EQ(areas.FindContaining(RowIndex{5}, ColumnIndex{6}), nullptr);
    EXPECT_EQ(areas.FindByMaster(RowIndex{0}, ColumnIndex{1}), nullptr);
    EXPECT_EQ(areas.RemoveInside(Area(0, 3, 0, 9)).size(), 1U);
    EXPECT_EQ(areas.Count(), 1U);
    EXPECT_NE(areas.FindByMaster(RowIndex{4}, ColumnIndex{4}), nullptr);
}

}  // namespace
}  // namespace xls
