#pragma once
// The documents folder on a freedesktop system: XDG_DOCUMENTS_DIR from
// user-dirs.dirs, else $HOME/Documents.

#include <string>

namespace ek::platform {

// `userDirsContent` is the text of user-dirs.dirs (may be empty).
std::string documentsFromUserDirs(const std::string& userDirsContent, const std::string& home);

}  // namespace ek::platform
