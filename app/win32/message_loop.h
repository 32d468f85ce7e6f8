#pragma once
// The program's message loop: the window's messages and the changes of the
// watched folder, waited for together on the one user-interface thread.

namespace ek::app::win32 {

class MainWindow;

// Runs until the window is closed; the exit code of WM_QUIT.
int runMessageLoop(MainWindow& window);

}  // namespace ek::app::win32
