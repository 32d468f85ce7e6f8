#include "app/win32/dpi.h"

#include "app/win32/unique_handle.h"

namespace ek::app::win32 {

namespace {

// A function of user32 that only newer systems have; nullptr elsewhere.
template <typename Function>
Function user32Function(const char* name) {
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr)
        return nullptr;
    // Through a generic function pointer: GCC warns of a direct cast between
    // incompatible function types.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(user32, name)));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

}  // namespace

unsigned windowDpi(HWND window) {
    static const auto getDpiForWindow = user32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0)
            return dpi;
    }
    const WindowDc screen(nullptr);
    const int dpi = screen.get() != nullptr ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? static_cast<unsigned>(dpi) : 96u;
}

SIZE frameSizeFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, unsigned dpi) {
    static const auto adjustForDpi =
        user32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, clientWidth, clientHeight};
    if (adjustForDpi == nullptr || !adjustForDpi(&frame, style, FALSE, exStyle, dpi))
        ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

POINT centredOnMonitor(HWND window, SIZE frame) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    RECT area{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor))
        area = monitor.rcWork;
    return POINT{area.left + (area.right - area.left - frame.cx) / 2,
                 area.top + (area.bottom - area.top - frame.cy) / 2};
}

}  // namespace ek::app::win32
