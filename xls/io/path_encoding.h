#pragma once

// The UTF-8 form of UTF-16 paths for POSIX system calls, refusing paths that
// have none.

#include <optional>
#include <string>
#include <string_view>

namespace xls {

// The UTF-8 form of a UTF-16 path for a POSIX system call. Empty (no value)
// for a path that has no exact UTF-8 form: an unpaired surrogate, or a NUL,
// which would silently cut the path short at the call.
std::optional<std::string> utf8Path(std::u16string_view path);

}  // namespace xls
