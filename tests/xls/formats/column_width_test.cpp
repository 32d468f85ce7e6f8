#include "xls/formats/column_width.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

TEST(ColumnWidth, UnitsOfCharacters) {
    struct Case {
        double characters;
        int units;
    };
    const Case cases[] = {
        {3, 950}, {8, 2230},    {12, 3254}, {50, 12982}, {255, 65462}, {300, 65462},
        {1, 438}, {8.43, 2340}, {0.5, 230}, {0, 0},      {0.99, 456},  {2.5, 822},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColumnWidthUnits(c.characters), c.units) << c.characters;
    }
    EXPECT_FALSE(ColumnWidthUnits(-0.5).has_value());
}

TEST(ColumnWidth, CharactersOfUnits) {
    struct Case {
        int units;
        double characters;
    };
    const Case cases[] = {
        {950, 3.0},   {2230, 8.0}, {3254, 12.0}, {12982, 50.0}, {65462, 255.0},
        {2340, 8.43}, {230, 0.5},  {437, 0.95},  {438, 1.0},    {0, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(ColumnWidthCharacters(static_cast<std::uint16_t>(c.units)), c.characters)
            << c.units;
    }
}

}  // namespace
}  // namespace xls
