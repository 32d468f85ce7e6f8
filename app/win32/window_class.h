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

// The window procedure of a top-level window that an Object keeps as its
// UniqueWindow `window_` and whose messages it answers in `handle`. Messages
// before CreateWindowExW has returned find `window_` still empty and get the
// default handling; at WM_NCDESTROY the system destroys the window, so the
// object lets go of it.
template <typename Object>
LRESULT CALLBACK objectWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Object* object = windowObject<Object>(window, message, lParam);
    if (object == nullptr || object->window_.get() != window)
        return ::DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        object->window_.release();
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    return object->handle(message, wParam, lParam);
}

}  // namespace ek::app::win32
