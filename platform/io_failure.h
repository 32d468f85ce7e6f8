#pragma once
// What the user is told when a file operation fails: one Czech sentence that
// names the file, says what could not be done and why. Each system maps its
// own error codes onto the reasons here.

#include <string>

#include "platform/platform.h"

namespace ek::platform {

enum class FileOperation { Read, Write, Delete };

enum class IoFailure {
    NotFound,      // the file or a folder on its way is missing
    AccessDenied,  // no right to it
    NotAFile,      // a folder
    NotRegular,    // a pipe, a device or the like
    InUse,         // another program holds it
    DiskFull,
    TooLarge,  // beyond the largest file the system or the process may write
    ReadOnlyDisk,
    NameTooLong,
    Other,  // anything else: the system's error number is given
};

// "Soubor "/x/a.txt" nelze přečíst: soubor nebo jeho složka neexistuje." (UTF-8)
// `systemCode` is shown for IoFailure::Other only.
std::string ioErrorMessage(FileOperation operation, const Path& path, IoFailure failure,
                           long systemCode = 0);

}  // namespace ek::platform
