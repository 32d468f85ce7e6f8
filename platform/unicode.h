#pragma once
// UTF-8 <-> UTF-16 at the edges: the terminal, exception messages, Linux file
// names. Unpaired surrogates and invalid UTF-8 bytes become U+FFFD.

#include <string>
#include <string_view>

namespace ek::platform {

std::string toUtf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view text);

}  // namespace ek::platform
