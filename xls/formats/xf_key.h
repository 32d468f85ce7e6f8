#pragma once

// The XF key: a cell format's attributes as a 43-character hexadecimal text, by
// which the XF list shares equal formats; its fields, used-attribute flags,
// layout and parsing.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace xls {

// Used-attribute flags of an XF: which groups a cell XF sets itself.
enum XfAttribute : std::uint8_t {
    kXfNumberFormat = 0x01,
    kXfFont = 0x02,
    kXfAlignment = 0x04,
    kXfBorders = 0x08,
    kXfFill = 0x10,
    kXfProtection = 0x20,
};

inline constexpr std::uint16_t kNoParentXf = 0xFFFF;

// The attributes an XF key holds, in key order.
struct TXLSXFFields {
    std::uint16_t fontIndex = 0;
    std::uint16_t formatIndex = 0;
    // Bit 0 locked, bit 1 hidden, bit 2 set in the built-in entries 16..20.
    std::uint8_t typeProtection = 1;
    std::uint16_t parent = kNoParentXf;  // kNoParentXf: a style XF
    // First byte: high digit vertical alignment (bits 0-2) + justify-last
    // (bit 3), low digit horizontal alignment (bits 0-2) + wrap (bit 3);
    // then rotation; then indent / shrink-to-fit / reading order.
    std::array<std::uint8_t, 3> alignment{0x20, 0x00, 0x00};
    // The two border words of a BIFF8 XF record.
    std::uint32_t border1 = 0;
    std::uint32_t border2 = 0;
    std::uint8_t fillPattern = 0;
    // Bits 0-6 pattern (foreground) colour, 7-13 background colour.
    std::uint16_t fillColors = 64 | (65 << 7);
    std::uint8_t usedFlags = 0;

    bool IsStyle() const { return parent == kNoParentXf; }
    std::uint8_t HorizontalAlignment() const { return alignment[0] & 0x07; }
    bool WrapText() const { return (alignment[0] & 0x08) != 0; }
    std::uint8_t VerticalAlignment() const { return (alignment[0] >> 4) & 0x07; }
    std::uint8_t PatternColor() const { return fillColors & 0x7F; }
    std::uint8_t BackgroundColor() const { return (fillColors >> 7) & 0x7F; }

    friend bool operator==(const TXLSXFFields&, const TXLSXFFields&) = default;
};

// Field offsets (0-based) and widths of the 43-character XF key.
namespace xf_key {
inline constexpr std::size_t kFont = 0, kFontWidth = 4;
inline constexpr std::size_t kFormat = 4, kFormatWidth = 4;
inline constexpr std::size_t kTypeProtection = 8, kTypeProtectionWidth = 1;
inline constexpr std::size_t kParent = 9, kParentWidth = 4;
inline constexpr std::size_t kAlignment = 13, kAlignmentWidth = 6;
inline constexpr std::size_t kBorder1 = 19, kBorder2 = 27, kBorderWidth = 8;
inline constexpr std::size_t kFillPattern = 35, kFillPatternWidth = 2;
inline constexpr std::size_t kFillColors = 37, kFillColorsWidth = 4;
inline constexpr std::size_t kFlags = 41, kFlagsWidth = 2;
inline constexpr std::size_t kLength = 43;
}  // namespace xf_key

std::u16string MakeXfKey(const TXLSXFFields& fields);
// Reads a key; a key of the wrong length reads as the default fields.
TXLSXFFields ParseXfKey(std::u16string_view key);

}  // namespace xls
