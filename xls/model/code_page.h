#pragma once

// Single-byte text in a Windows code page decoded to UTF-16, for Variant values
// handed over as code-page bytes.

#include <string>
#include <string_view>

namespace xls {

// Decodes single-byte text in a Windows code page (1250, 1252, ...) to UTF-16.
// Bytes the code page does not define become U+FFFD; an unknown code page
// decodes as Windows-1252.
std::u16string DecodeCodePage(std::string_view bytes, unsigned codePage);

}  // namespace xls
