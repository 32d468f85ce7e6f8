#pragma once
// Registering the window classes of the program's own top-level windows.

#include <windows.h>

namespace ek::app::win32 {

// Registers `className` with `procedure`, the program's icon and the dialog
// background; registering it again is harmless.
void registerWindowClass(const wchar_t* className, WNDPROC procedure);

// The object a window procedure serves: the lpCreateParams of CreateWindowExW,
// kept in GWLP_USERDATA from WM_NCCREATE until WM_NCDESTROY.
template <typename Object>
Object* windowObject(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* object = reinterpret_cast<Object*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY)
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return object;
}

}  // namespace ek::app::win32
