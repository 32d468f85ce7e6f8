#pragma once
// UTF-8 <-> UTF-16 at the edges: the terminal, exception messages, Linux file
// names. Unpaired surrogates and invalid UTF-8 bytes become U+FFFD.

#include <string>
#include <string_view>

namespace ek::platform {

std::string toUtf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view text);

// Whether `text` is UTF-8 that fromUtf8 takes without a replacement.
bool isValidUtf8(std::string_view text);

// Length of the UTF-8 sequence that `lead` begins (1 to 4), 0 when it
// begins none (a continuation byte, an overlong or out-of-range lead).
int utf8SequenceLength(unsigned char lead);

}  // namespace ek::platform
