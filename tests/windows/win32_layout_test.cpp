// The window's geometry at other resolutions than 96 dots per inch: controls
// that meet stay meeting, nothing leaves the client area, and the radio
// buttons share their group without overlapping.

#include <gtest/gtest.h>

#include <vector>

#include "app/win32/box.h"
#include "app/win32/main_window_layout.h"
#include "app/win32/radio_layout.h"

namespace ek::app::win32 {
namespace {

const std::vector<unsigned> kResolutions{96, 120, 144, 168, 192, 240, 288};

const std::vector<Box> kMainControls{
    kLabel1,   kFileListBox1, kLabel3,  kSubtotalField, kLabel4,      kTotalField,  kButton15,
    kButton16, kCheckBox1,    kButton1, kRadioGroup2,   kRadioGroup3, kPageControl1};

TEST(Win32Layout, AtNinetySixDotsPerInchEveryPlaceStaysAsItIs) {
    for (const Box& box : kMainControls)
        EXPECT_EQ(scaled(box, 96), box);
}

// Touching: sharing at least an edge (overlapping counts too).
bool touch(const Box& a, const Box& b) {
    return a.left <= b.right() && b.left <= a.right() && a.top <= b.bottom() && b.top <= a.bottom();
}

bool overlap(const Box& a, const Box& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

TEST(Win32Layout, ControlsThatMeetStillMeetAndOthersStayApartAtEveryResolution) {
    // The export buttons overlap by a pixel, the radio groups share an edge:
    // scaling widths and heights on their own would open gaps here and there.
    for (const unsigned dpi : kResolutions) {
        SCOPED_TRACE(dpi);
        for (std::size_t i = 0; i < kMainControls.size(); ++i) {
            for (std::size_t j = 0; j < i; ++j) {
                SCOPED_TRACE(testing::Message() << "controls " << i << " and " << j);
                const Box a = scaled(kMainControls[i], dpi);
                const Box b = scaled(kMainControls[j], dpi);
                EXPECT_EQ(touch(a, b), touch(kMainControls[i], kMainControls[j]));
                EXPECT_EQ(overlap(a, b), overlap(kMainControls[i], kMainControls[j]));
            }
        }
    }
}

TEST(Win32Layout, EveryControlLiesInTheClientAreaAtEveryResolution) {
    for (const unsigned dpi : kResolutions) {
        SCOPED_TRACE(dpi);
        const int width = scaled(kClientWidth, dpi);
        const int height = scaled(kClientHeight, dpi);
        for (const Box& box : kMainControls) {
            const Box place = scaled(box, dpi);
            EXPECT_GE(place.left, 0);
            EXPECT_GE(place.top, 0);
            EXPECT_LE(place.right(), width);
            EXPECT_LE(place.bottom(), height);
        }
    }
}

TEST(Win32Layout, ScalingRoundsToTheNearestPixel) {
    EXPECT_EQ(scaled(13, 120), 16);    // 16.25
    EXPECT_EQ(scaled(25, 144), 38);    // 37.5 rounds up
    EXPECT_EQ(scaled(557, 168), 975);  // 974.75
    EXPECT_EQ(scaled(-8, 144), -12);
}

TEST(Win32Layout, EachCategoryTableFitsItsPageBelowTheTabs) {
    // The page is the tab control less a tab row of at least 20 pixels and
    // its frame; the tables stand 8 pixels into it.
    constexpr int kTabRowAndFrame = 24;
    for (const TableShape& table : kCategoryTables) {
        EXPECT_LE(table.left + kTableWidth, kPageControl1.width - 4);
        EXPECT_LE(kTableTop + table.height, kPageControl1.height - kTabRowAndFrame);
    }
}

std::vector<Box> radioItems(const Box& group, int count, int columns) {
    std::vector<Box> items;
    for (int index = 0; index < count; ++index)
        items.push_back(radioItemBox(group, index, count, columns));
    return items;
}

TEST(Win32Layout, RadioItemsLieInsideTheirGroupBelowTheCaptionWithoutOverlapping) {
    struct Case {
        Box group;
        int count;
        int columns;
    };
    for (const Case& group :
         {Case{kRadioGroup2, 3, 3}, Case{kRadioGroup3, 2, 2}, Case{Box{573, 115, 220, 105}, 5, 1},
          Case{Box{0, 0, 185, 60}, 5, 2}}) {
        const std::vector<Box> items = radioItems(group.group, group.count, group.columns);
        for (std::size_t i = 0; i < items.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_GE(items[i].left, group.group.left);
            EXPECT_GT(items[i].top, group.group.top + kRadioCaptionHeight - 1);
            EXPECT_LE(items[i].right(), group.group.right());
            EXPECT_LE(items[i].bottom(), group.group.bottom());
            EXPECT_GT(items[i].width, 0);
            EXPECT_GT(items[i].height, 0);
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(overlap(items[i], items[j])) << j;
        }
    }
}

TEST(Win32Layout, RadioItemsFillAColumnBeforeTheNext) {
    // Five items in two columns: three in the first, two in the second.
    const std::vector<Box> items = radioItems(Box{0, 0, 185, 60}, 5, 2);
    EXPECT_EQ(items[0].left, items[2].left);
    EXPECT_LT(items[2].left, items[3].left);
    EXPECT_EQ(items[3].top, items[0].top);
    // The plant-name group: one row of three.
    const std::vector<Box> plantNames = radioItems(kRadioGroup2, 3, 3);
    EXPECT_EQ(plantNames[0].top, plantNames[2].top);
    EXPECT_LT(plantNames[0].left, plantNames[1].left);
}

}  // namespace
}  // namespace ek::app::win32
