#include "app/win32/sideways_keys.h"

#include <windows.h>

namespace ek::app::win32 {

std::optional<int> rowAfterSidewaysKey(int virtualKey, int currentRow, int rowCount) {
    if (rowCount <= 0 || currentRow >= rowCount)
        return std::nullopt;
    switch (virtualKey) {
        case VK_LEFT:
            // Without a selection there is nothing to move up from.
            if (currentRow > 0)
                return currentRow - 1;
            return std::nullopt;
        case VK_RIGHT:
            // Without a selection, Right starts at the first row.
            if (currentRow + 1 < rowCount)
                return currentRow + 1;
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace ek::app::win32
