#pragma once
// Paths that the build hands to the tests (EK_SOURCE_DIR and the like) as a
// Windows program must use them.

#include <string_view>

#include "platform/platform.h"

namespace ek::test {

// Under Wine the build's paths are Unix paths ("/work/x"): they become the
// drive path Wine maps them to ("Z:\work\x"). A Windows path, and any path on
// a real Windows, is returned with '/' turned into '\'.
platform::Path hostPath(std::string_view path);

}  // namespace ek::test
