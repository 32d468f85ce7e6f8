#include "app/win32/keyboard_shortcuts.h"

#include <array>

#include "app/win32/resource_ids.h"

namespace ek::app::win32 {

AcceleratorTable makeMainWindowShortcuts() {
    constexpr BYTE kControl = FVIRTKEY | FCONTROL;
    std::array<ACCEL, 5> shortcuts{{
        {kControl | FSHIFT, 'D', EK_COMMAND_DEVELOPER_PANEL},
        {kControl, VK_TAB, EK_COMMAND_NEXT_TAB},
        {kControl, VK_NEXT, EK_COMMAND_NEXT_TAB},
        {kControl | FSHIFT, VK_TAB, EK_COMMAND_PREVIOUS_TAB},
        {kControl, VK_PRIOR, EK_COMMAND_PREVIOUS_TAB},
    }};
    return AcceleratorTable(
        ::CreateAcceleratorTableW(shortcuts.data(), static_cast<int>(shortcuts.size())));
}

}  // namespace ek::app::win32
