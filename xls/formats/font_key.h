#pragma once

// The font key: a font's attributes as a fixed-layout hexadecimal text, by
// which the font list shares equal fonts; its fields, layout, parsing and
// building.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace xls {

// The attributes a font key holds, in key order.
struct TXLSFontFields {
    std::uint16_t height = 200;         // twips
    std::uint16_t colorIndex = 0x7FFF;  // colour number; 0x7FFF automatic
    bool bold = false;
    bool italic = false;
    bool strikeout = false;
    bool outline = false;
    bool shadow = false;
    std::uint8_t underline = 0;
    bool subscript = false;
    bool superscript = false;
    std::uint8_t family = 0;
    std::uint8_t characterSet = 0;
    std::u16string name = u"Arial";

    friend bool operator==(const TXLSFontFields&, const TXLSFontFields&) = default;
};

// Field offsets (0-based) and widths of the font key.
namespace font_key {
inline constexpr std::size_t kHeight = 0, kHeightWidth = 4;
inline constexpr std::size_t kColor = 4, kColorWidth = 4;
inline constexpr std::size_t kBold = 8;
inline constexpr std::size_t kItalic = 9;
inline constexpr std::size_t kStrikeout = 10;
inline constexpr std::size_t kOutline = 11;
inline constexpr std::size_t kShadow = 12;
inline constexpr std::size_t kUnderline = 13, kUnderlineWidth = 2;
inline constexpr std::size_t kSubscript = 15;
inline constexpr std::size_t kSuperscript = 16;
inline constexpr std::size_t kFamily = 17, kFamilyWidth = 2;
inline constexpr std::size_t kCharacterSet = 19, kCharacterSetWidth = 2;
inline constexpr std::size_t kName = 21;
inline constexpr std::uint16_t kAutomaticColor = 0x7FFF;
}  // namespace font_key

// 00C87FFF0000000000000Arial: Arial 10 pt, automatic colour, no attributes.
inline constexpr std::u16string_view kDefaultFontKey = u"00C87FFF0000000000000Arial";

std::u16string MakeFontKey(const TXLSFontFields& fields);
// Reads a key; a key too short for its fields reads as the default font.
TXLSFontFields ParseFontKey(std::u16string_view key);

}  // namespace xls
