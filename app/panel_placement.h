#pragma once
// Where the developer panel opens: beside the main window, never over it,
// so that what the panel's steps change stays in view. Screen pixels.

#include "app/screen_rect.h"

namespace ek::app {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// Pixels between the main window's frame and the panel's.
inline constexpr int kPanelGap = 8;

// The top-left corners of the main window's frame and of the panel's.
struct PanelPlaces {
    ScreenPoint main;
    ScreenPoint panel;
    friend constexpr bool operator==(const PanelPlaces&, const PanelPlaces&) = default;
};

// A panel frame `panelWidth` x `panelHeight` beside the main window's frame
// `main` on the work area `screen`: to its right, else below it, else to its
// left, else above it, whichever fits first, lined up with the window's top
// (left) edge as far as the screen allows. Where none fits but the screen
// holds both side by side (else one above the other), the main window moves
// left (up) as little as that needs. On a screen too small for both, the
// panel goes to the right of the window, pushed back onto the screen.
PanelPlaces placeBeside(const ScreenRect& main, int panelWidth, int panelHeight,
                        const ScreenRect& screen);

}  // namespace ek::app
