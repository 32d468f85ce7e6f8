#include "xls/formats/palette.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

TEST(Palette, DefaultColours) {
    const TXLSPalette palette;
    struct Case {
        int index;
        Rgb rgb;
    };
    const Case cases[] = {{1, {0, 0, 0}},        {2, {255, 255, 255}}, {4, {0, 255, 0}},
                          {6, {255, 255, 0}},    {8, {0, 255, 255}},   {17, {153, 153, 255}},
                          {48, {150, 150, 150}}, {56, {51, 51, 51}}};
    for (const Case& c : cases) {
        EXPECT_EQ(palette.Color(c.index), c.rgb) << c.index;
    }
    EXPECT_EQ(palette.Entries().size(), 56U);
    EXPECT_EQ(TXLSPalette::NumberOfIndex(1).value, 8);
    EXPECT_EQ(TXLSPalette::NumberOfIndex(56).value, 63);
}

TEST(Palette, NearestColour) {
    const TXLSPalette palette;
    struct Case {
        std::uint32_t rgb;  // red in the low byte
        int index;
    };
    const Case cases[] = {
        {0x000000, 1},   // black
        {0xFFFFFF, 2},   // white
        {0x0000FF, 3},   // red
        {0x00007F, 9},   // dark red: 0x800000 at 9 and 30, the lower index wins
        {0xFF0000, 5},   // blue, also at 32
        {0x0A0A0A, 1},   // 30 from black, beats 56 (0x333333) at 93
        {0x969695, 48},  // one off entry 48
        {0x7F7F7F, 16},  // grey 0x808080
    };
    for (const Case& c : cases) {
        EXPECT_EQ(palette.NearestColorIndex(c.rgb), c.index) << std::hex << c.rgb;
    }
}

TEST(Palette, ChangedColoursAreFoundAndOutOfRangeIgnored) {
    TXLSPalette palette;
    palette.SetColor(10, Rgb{1, 2, 3});
    palette.SetColor(0, Rgb{9, 9, 9});
    palette.SetColor(57, Rgb{9, 9, 9});
    EXPECT_EQ(palette.Color(10), (Rgb{1, 2, 3}));
    EXPECT_EQ(palette.NearestColorIndex(0x030201), 10);
    EXPECT_EQ(palette.Color(1), (Rgb{0, 0, 0}));
}

}  // namespace
}  // namespace xls
