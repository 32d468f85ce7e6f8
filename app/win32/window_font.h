#pragma once
// The window's font: Tahoma, 8 points, in the size the monitor's resolution
// gives it (11 pixels high at 96 dots per inch), and the few smaller sizes
// that a caption too wide for its control is set in, rather than clipped,
// where a wider substitute stands in for Tahoma.

#include <map>
#include <string_view>
#include <utility>

#include "app/win32/unique_handle.h"

namespace ek::app::win32 {

enum class Weight { Normal, Bold };

// The fonts of one window at one resolution, made when first asked for and
// kept as long as the set.
class FontSet {
  public:
    explicit FontSet(unsigned dpi) : dpi_(dpi) {}
    FontSet(const FontSet&) = delete;
    FontSet& operator=(const FontSet&) = delete;

    unsigned dpi() const { return dpi_; }

    // The window font `reduction` pixels smaller (0: the window font); no
    // smaller than 6 points.
    HFONT font(Weight weight = Weight::Normal, int reduction = 0);

    // How much smaller the font must be for `text` to be at most `width`
    // pixels wide; the largest reduction there is when no size fits.
    int reductionToFit(std::wstring_view text, int width, Weight weight = Weight::Normal);
    int largestReduction() const;

    // The window font, made as much smaller as `text` needs to be at most
    // `width` pixels wide: below the smallest size of the captions if need
    // be, as a figure must never be cut (down to a pixel's height).
    HFONT fittingFont(std::wstring_view text, int width);

  private:
    HFONT anySize(Weight weight, int reduction);

    unsigned dpi_;
    std::map<std::pair<Weight, int>, GdiObject> fonts_;
};

// The width of `text` in `font`, in pixels.
int textWidth(std::wstring_view text, HFONT font);

// Sets `font` on `control` and on every window below it.
void setFontOfChildren(HWND control, HFONT font);

}  // namespace ek::app::win32
