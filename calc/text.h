#pragma once
// Text of the working state: UTF-16, one code unit per character position.

#include <string>
#include <string_view>
#include <vector>

#include "platform/unicode.h"

namespace ek::calc {

using Text = std::u16string;
using TextList = std::vector<Text>;  // a string list of the working state (ListBox1 ...)

using platform::fromUtf8;
using platform::toUtf8;

}  // namespace ek::calc
