#pragma once
// A rectangle in pixels: a control's place in its window, or a window's on
// the screen. Toolkit-free, so that layout rules can be tested anywhere.

namespace ek::app {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    friend constexpr bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

}  // namespace ek::app
