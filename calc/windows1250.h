#pragma once
// The single-byte Central European code page in which the tool writes its own
// price lists, and in which it reads every file without a UTF-16 byte-order mark.

#include <cstddef>
#include <string>
#include <string_view>

#include "calc/text.h"

namespace ek::calc {

// Every byte becomes one character. The five bytes the code page leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) become the C1 control characters of
// the same value, as both ICU and the Windows code page map them, so that every
// byte read survives being written back.
Text decodeWindows1250(std::string_view bytes);

// Index of the first code unit that has no byte in the code page (a surrogate
// pair counts from its high surrogate; an unpaired surrogate is never
// encodable, nor is a zero-width character that would be dropped silently), or
// Text::npos when the whole text can be written.
std::size_t findUnencodableWindows1250(std::u16string_view text);

// Precondition: findUnencodableWindows1250(text) == Text::npos; throws
// std::invalid_argument otherwise rather than writing a substitute byte.
std::string encodeWindows1250(std::u16string_view text);

}  // namespace ek::calc
