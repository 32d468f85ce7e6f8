#pragma once
// Left and Right in the file list, when the window did not take them for the
// tabs: a one-column list moves one item up on Left and one down on Right,
// as Up and Down do, and never wraps.

#include <optional>

namespace ek::app::win32 {

// The row to select after `virtualKey` with `currentRow` selected (-1: none)
// among `rowCount` rows; nothing when the selection stays as it is or the key
// is neither Left nor Right.
std::optional<int> rowAfterSidewaysKey(int virtualKey, int currentRow, int rowCount);

}  // namespace ek::app::win32
