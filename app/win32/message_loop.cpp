#include "app/win32/message_loop.h"

#include <windows.h>

#include "app/win32/main_window.h"

namespace ek::app::win32 {

namespace {

// Handles every message waiting; false once WM_QUIT has come.
bool dispatchWaitingMessages(MainWindow& window, int& exitCode) {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            exitCode = static_cast<int>(message.wParam);
            return false;
        }
        if (!window.translateMessage(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return true;
}

}  // namespace

int runMessageLoop(MainWindow& window) {
    FolderWatch& watch = window.folderWatch();
    int exitCode = 0;
    for (;;) {
        const HANDLE change = watch.handle();
        const DWORD handleCount = change != nullptr ? 1 : 0;
        const DWORD woken = ::MsgWaitForMultipleObjectsEx(
            handleCount, change != nullptr ? &change : nullptr,
            watch.waitMilliseconds(::GetTickCount64()), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken == WAIT_OBJECT_0 + handleCount) {
            if (!dispatchWaitingMessages(window, exitCode))
                return exitCode;
        } else if (handleCount == 1 && woken == WAIT_OBJECT_0) {
            watch.signalled(::GetTickCount64());
        } else if (woken == WAIT_FAILED) {
            // Cannot happen with a valid handle; waiting on for messages alone
            // keeps the window usable.
            watch.watch(std::wstring());
        }
        if (watch.takeSettledChange(::GetTickCount64()))
            window.folderChanged();
    }
}

}  // namespace ek::app::win32
