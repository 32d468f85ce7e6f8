#pragma once
// File-list masks: "*" matches every name, "*.ext" names ending in ".ext"
// compared without regard to ASCII letter case (as the Windows file lists do).

#include <string_view>

namespace ek::platform {

bool matchesMask(std::u16string_view name, std::u16string_view mask);

}  // namespace ek::platform
