#pragma once
// The resolution a window is shown at. Windows 10 tells it per monitor; older
// systems have one for the whole screen, which the calls here fall back to.

#include <windows.h>

namespace ek::app::win32 {

// Dots per inch of the monitor `window` is on.
unsigned windowDpi(HWND window);

// The outer size of a window whose client area is `clientWidth` x
// `clientHeight` pixels, with `style` and `exStyle`, at `dpi`.
SIZE frameSizeFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, unsigned dpi);

// The top-left corner that centres a frame of `frame` size on the work area
// of the monitor `window` is (mostly) on.
POINT centredOnMonitor(HWND window, SIZE frame);

}  // namespace ek::app::win32
