#include "app/win32/window_class.h"

#include "app/win32/resource_ids.h"

namespace ek::app::win32 {

namespace {

HICON applicationIcon(int width, int height) {
    return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr),
                                           MAKEINTRESOURCEW(EK_ICON_APPLICATION), IMAGE_ICON, width,
                                           height, LR_DEFAULTCOLOR | LR_SHARED));
}

}  // namespace

void registerWindowClass(const wchar_t* className, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hIcon =
        applicationIcon(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    windowClass.hIconSm =
        applicationIcon(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = className;
    ::RegisterClassExW(&windowClass);  // fails only when it is registered already
}

}  // namespace ek::app::win32
