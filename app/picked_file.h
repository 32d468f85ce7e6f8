#pragma once
// The material list named on the command line, picked as the user picks one in
// the window.

#include "calc/kalkulace.h"
#include "platform/platform.h"

namespace ek::app {

// `path` taken from the current directory when it is relative.
platform::Path absolutePath(platform::Platform& platform, const platform::Path& path);

// The material-list file list shows the folder of `file` (an absolute path),
// Edit1 is that folder with its separator, and the file is selected there.
// Throws CalcError, naming the file, when the list cannot show it: it does
// not exist, it is a folder, it lacks the ".txt" of material lists, or the
// list leaves it out as hidden.
void pickFile(calc::Kalkulace& state, const platform::Path& file);

}  // namespace ek::app
