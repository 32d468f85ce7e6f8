#pragma once
// The main window's keyboard shortcuts, wherever the focus is in it:
// Ctrl+Shift+D opens the developer functions; Ctrl+Tab and Ctrl+PgDn show
// the next tab, Ctrl+Shift+Tab and Ctrl+PgUp the previous one, as in the
// system's own tabbed dialogs. Made in code rather than in the resources,
// so that the tests, which link no resources, have them too.

#include "app/win32/unique_handle.h"

namespace ek::app::win32 {

AcceleratorTable makeMainWindowShortcuts();

}  // namespace ek::app::win32
