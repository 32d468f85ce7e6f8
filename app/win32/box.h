#pragma once
// A control's place in pixels at 96 dots per inch, and the same place at the
// monitor's resolution. Toolkit-free, so that it can be tested anywhere.

#include "app/screen_rect.h"

namespace ek::app::win32 {

inline constexpr unsigned kDesignDpi = 96;

using Box = ScreenRect;

// `pixels` at 96 dots per inch in pixels at `dpi`, rounded to the nearest.
constexpr int scaled(int pixels, unsigned dpi) {
    const long long product = static_cast<long long>(pixels) * dpi;
    const long long half = kDesignDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi
                                         : -((-product + half) / kDesignDpi));
}

// The edges are scaled, not the width and height: controls that meet at 96
// dots per inch still meet (and overlap by as much) at any other resolution.
constexpr Box scaled(const Box& box, unsigned dpi) {
    const int left = scaled(box.left, dpi);
    const int top = scaled(box.top, dpi);
    return Box{left, top, scaled(box.right(), dpi) - left, scaled(box.bottom(), dpi) - top};
}

}  // namespace ek::app::win32
