#include "app/win32/radio_layout.h"

#include <algorithm>

namespace ek::app::win32 {

namespace {

constexpr int kSideMargin = 8;   // from the group's left edge to the first column
constexpr int kFrameMargin = 5;  // the frame below the last row and at the right

}  // namespace

Box radioItemBox(const Box& group, int index, int count, int columns) {
    columns = std::clamp(columns, 1, std::max(count, 1));
    const int rows = (count + columns - 1) / columns;
    const int freeHeight = group.height - kRadioCaptionHeight - kFrameMargin;
    const int rowHeight = std::max(1, freeHeight / rows);
    const int top = group.top + kRadioCaptionHeight + 1 + (freeHeight % rows) / 2;
    const int columnWidth = std::max(1, (group.width - kSideMargin - kFrameMargin) / columns);
    const int column = index / rows;
    const int row = index % rows;
    return Box{group.left + kSideMargin + column * columnWidth, top + row * rowHeight, columnWidth,
               rowHeight};
}

}  // namespace ek::app::win32
