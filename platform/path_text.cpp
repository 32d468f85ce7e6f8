#include "platform/platform.h"
#include "platform/unicode.h"

namespace ek::platform {

std::string pathToUtf8(const Path& path) { return toUtf8(path); }
Path pathFromUtf8(const std::string& path) { return fromUtf8(path); }

}  // namespace ek::platform
