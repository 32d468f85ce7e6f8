#pragma once
// The icon of a message box, by what the message tells: a warning for a
// foreseen condition, the error icon for a failed operation.

#include <windows.h>

#include "app/tform1_view.h"

namespace ek::app::win32 {

constexpr UINT messageBoxIcon(MessageKind kind) {
    switch (kind) {
        case MessageKind::Notice:
            return MB_ICONWARNING;
        case MessageKind::Error:
            return MB_ICONERROR;
        case MessageKind::Information:
            return MB_ICONINFORMATION;
    }
    return 0;
}

}  // namespace ek::app::win32
