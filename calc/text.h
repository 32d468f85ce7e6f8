#pragma once
// Text of the working state: UTF-16, one code unit per character position.

#include <string>
#include <string_view>
#include <vector>

namespace ek::calc {

using Text = std::u16string;
using TextList = std::vector<Text>;  // a string list of the working state (ListBox1 ...)

// Conversions at the edges: the terminal, exception messages, Linux file names.
// Unpaired surrogates become U+FFFD; invalid UTF-8 bytes become U+FFFD.
std::string toUtf8(std::u16string_view text);
Text fromUtf8(std::string_view text);

}  // namespace ek::calc
