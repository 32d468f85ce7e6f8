#include "app/panel_placement.h"

#include <algorithm>
#include <array>
#include <optional>

namespace ek::app {

namespace {

// `start` moved so that [start, start + length) lies in [low, high) as far
// as it can; a length larger than the range starts at `low`.
int keptWithin(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

bool fitsIn(const ScreenRect& place, const ScreenRect& screen) {
    return place.left >= screen.left && place.top >= screen.top &&
           place.right() <= screen.right() && place.bottom() <= screen.bottom();
}

// The panel on the first side of `main` where it fits, if any.
std::optional<ScreenPoint> sideThatFits(const ScreenRect& main, int width, int height,
                                        const ScreenRect& screen) {
    const int alignedTop = keptWithin(main.top, height, screen.top, screen.bottom());
    const int alignedLeft = keptWithin(main.left, width, screen.left, screen.right());
    const std::array<ScreenRect, 4> sides{{
        {main.right() + kPanelGap, alignedTop, width, height},
        {alignedLeft, main.bottom() + kPanelGap, width, height},
        {main.left - kPanelGap - width, alignedTop, width, height},
        {alignedLeft, main.top - kPanelGap - height, width, height},
    }};
    for (const ScreenRect& side : sides) {
        if (fitsIn(side, screen))
            return ScreenPoint{side.left, side.top};
    }
    return std::nullopt;
}

}  // namespace

PanelPlaces placeBeside(const ScreenRect& main, int panelWidth, int panelHeight,
                        const ScreenRect& screen) {
    if (const auto panel = sideThatFits(main, panelWidth, panelHeight, screen))
        return {{main.left, main.top}, *panel};
    ScreenRect moved = main;
    if (main.width + kPanelGap + panelWidth <= screen.width) {
        moved.left = std::min(main.left, screen.right() - panelWidth - kPanelGap - main.width);
        moved.top = keptWithin(main.top, main.height, screen.top, screen.bottom());
    } else if (main.height + kPanelGap + panelHeight <= screen.height) {
        moved.top = std::min(main.top, screen.bottom() - panelHeight - kPanelGap - main.height);
        moved.left = keptWithin(main.left, main.width, screen.left, screen.right());
    }
    if (const auto panel = sideThatFits(moved, panelWidth, panelHeight, screen))
        return {{moved.left, moved.top}, *panel};
    return {{main.left, main.top},
            {keptWithin(main.right() + kPanelGap, panelWidth, screen.left, screen.right()),
             keptWithin(main.top, panelHeight, screen.top, screen.bottom())}};
}

}  // namespace ek::app
