#pragma once

// Reading and writing the fixed-width hexadecimal fields of the font and XF
// keys.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace xls {

// Fixed-width upper-case hexadecimal fields of the font and XF keys.
// Positions are 0-based offsets into the key.
std::uint32_t ReadHexField(std::u16string_view key, std::size_t offset, std::size_t width);
void WriteHexField(std::u16string& key, std::size_t offset, std::size_t width, std::uint32_t value);
void AppendHexField(std::u16string& key, std::size_t width, std::uint32_t value);

}  // namespace xls
