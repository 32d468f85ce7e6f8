// Where the developer panel opens: beside the main window on every screen
// that has room for both, never over it, the window moved only when that
// is the only way.

#include <gtest/gtest.h>

#include "app/panel_placement.h"

namespace ek::app {
namespace {

constexpr int kPanelWidth = 825;
constexpr int kPanelHeight = 577;

bool overlap(const ScreenRect& a, const ScreenRect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

bool inside(const ScreenRect& place, const ScreenRect& screen) {
    return place.left >= screen.left && place.top >= screen.top &&
           place.right() <= screen.right() && place.bottom() <= screen.bottom();
}

TEST(PlaceBeside, BothOnTheScreenWithoutOverlapWheneverTheScreenHoldsBoth) {
    struct Case {
        const char* name;
        ScreenRect screen;
        ScreenRect main;
        bool mainMoves;
    };
    const Case cases[] = {
        {"room at the right", {0, 0, 1920, 1040}, {100, 346, 765, 347}, false},
        {"window centred on a wide screen", {0, 0, 1920, 1040}, {577, 346, 765, 347}, true},
        {"window at the right edge", {0, 0, 1920, 1040}, {1155, 100, 765, 347}, false},
        {"tall narrow screen", {0, 0, 1024, 1400}, {129, 200, 765, 347}, false},
        {"window halfway down a tall narrow screen",
         {0, 0, 1024, 1400},
         {129, 500, 765, 347},
         true},
        {"second monitor left of the first", {-1920, 0, 1920, 1080}, {-1500, 300, 765, 347}, true},
        {"task bar at the top", {0, 40, 1680, 1010}, {0, 40, 765, 347}, false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const PanelPlaces places = placeBeside(test.main, kPanelWidth, kPanelHeight, test.screen);
        const ScreenRect main{places.main.x, places.main.y, test.main.width, test.main.height};
        const ScreenRect panel{places.panel.x, places.panel.y, kPanelWidth, kPanelHeight};
        EXPECT_TRUE(inside(main, test.screen));
        EXPECT_TRUE(inside(panel, test.screen));
        EXPECT_FALSE(overlap(panel, main));
        EXPECT_EQ(main != test.main, test.mainMoves);
    }
}

TEST(PlaceBeside, RightOfTheWindowFirstThenBelowLinedUpWithIt) {
    const ScreenRect main{100, 120, 765, 347};
    const ScreenPoint unmoved{100, 120};
    EXPECT_EQ(placeBeside(main, kPanelWidth, kPanelHeight, {0, 0, 1920, 1080}),
              (PanelPlaces{unmoved, {main.right() + kPanelGap, 120}}));
    EXPECT_EQ(placeBeside(main, kPanelWidth, kPanelHeight, {0, 0, 1280, 1100}),
              (PanelPlaces{unmoved, {100, main.bottom() + kPanelGap}}));
    // Near the bottom the panel moves up as far as the screen needs, still
    // to the right of the window.
    const ScreenRect low{100, 700, 765, 347};
    EXPECT_EQ(placeBeside(low, kPanelWidth, kPanelHeight, {0, 0, 1920, 1080}).panel,
              (ScreenPoint{low.right() + kPanelGap, 1080 - kPanelHeight}));
    // Centred on a wide screen, the window moves left just enough.
    const PanelPlaces centred =
        placeBeside({577, 346, 765, 347}, kPanelWidth, kPanelHeight, {0, 0, 1920, 1040});
    EXPECT_EQ(centred.main, (ScreenPoint{1920 - kPanelWidth - kPanelGap - 765, 346}));
    EXPECT_EQ(centred.panel.x, 1920 - kPanelWidth);
}

TEST(PlaceBeside, OnAScreenTooSmallForBothTheWindowStaysAndThePanelIsOnTheScreen) {
    const ScreenRect screen{0, 0, 1024, 768};
    const ScreenRect main{129, 210, 765, 347};
    const PanelPlaces places = placeBeside(main, kPanelWidth, kPanelHeight, screen);
    EXPECT_EQ(places.main, (ScreenPoint{129, 210}));
    EXPECT_TRUE(inside({places.panel.x, places.panel.y, kPanelWidth, kPanelHeight}, screen));
}

}  // namespace
}  // namespace ek::app
