#pragma once
// Small path helpers shared by the platform users.

#include <string_view>

#include "platform/platform.h"

namespace ek::platform {

// True when `path` ends with `separator` (or '/', which Windows accepts too).
bool endsWithSeparator(std::u16string_view path, char16_t separator);

// `folder` and `name` with exactly the one separator between them that
// `folder` lacks; an empty folder gives a path from the root.
Path joinPath(std::u16string_view folder, std::u16string_view name, char16_t separator);

// Whether `path` is taken as it stands, not from the current directory: "/x"
// on Linux; "C:\x", "C:/x", "\\server\x" and, from the current drive's root,
// "\x" and "/x" on Windows.
bool isAbsolutePath(std::u16string_view path);

// The folder part of `path` (without its last separator) and the name after it.
struct FolderAndName {
    Path folder;
    Path name;
};
FolderAndName splitPath(std::u16string_view path, char16_t separator);

}  // namespace ek::platform
