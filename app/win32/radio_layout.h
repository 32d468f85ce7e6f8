#pragma once
// Where the buttons of a radio group stand: below the caption line, the
// group's width shared by the columns and its remaining height by the rows,
// the items filling one column before the next.

#include "app/win32/box.h"

namespace ek::app::win32 {

// The height of the group's caption line at 96 dots per inch (Tahoma 8 pt).
inline constexpr int kRadioCaptionHeight = 13;

// The place of item `index` of `count` items in `columns` columns of the
// group at `group`, all at 96 dots per inch.
Box radioItemBox(const Box& group, int index, int count, int columns);

}  // namespace ek::app::win32
