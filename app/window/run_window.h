#pragma once
// Entry into the windowed tool: the application, the main window, the event
// loop until the window closes.

#include <string>

namespace ek::app {

struct WindowOptions {
    // When not empty, the documents folder instead of the system's.
    std::u16string documentsFolder;
    // Opens the developer panel beside the window.
    bool developer = false;
};

// The exit status of the event loop.
int runWindow(int argc, char** argv, const WindowOptions& options);

}  // namespace ek::app
