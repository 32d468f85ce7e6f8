#pragma once
// Material lists as the host writes them, for tests.

#include <string_view>

#include "platform/platform.h"

namespace ek::test {

// FF FE, then `text` as UTF-16LE.
platform::Bytes utf16File(std::u16string_view text);

// The worked example "Zahrada u domu": eight lines, each ended by CR LF.
std::u16string workedExampleText();

}  // namespace ek::test
