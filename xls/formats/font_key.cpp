#include "xls/formats/font_key.h"

#include "xls/formats/hex_key.h"

namespace xls {

using namespace font_key;

std::u16string MakeFontKey(const TXLSFontFields& fields) {
    std::u16string key;
    key.reserve(kName + fields.name.size());
    AppendHexField(key, kHeightWidth, fields.height);
    AppendHexField(key, kColorWidth, fields.colorIndex);
    AppendHexField(key, 1, fields.bold);
    AppendHexField(key, 1, fields.italic);
    AppendHexField(key, 1, fields.strikeout);
    AppendHexField(key, 1, fields.outline);
    AppendHexField(key, 1, fields.shadow);
    AppendHexField(key, kUnderlineWidth, fields.underline);
    AppendHexField(key, 1, fields.subscript);
    AppendHexField(key, 1, fields.superscript);
    AppendHexField(key, kFamilyWidth, fields.family);
    AppendHexField(key, kCharacterSetWidth, fields.characterSet);
    key += fields.name;
    return key;
}

TXLSFontFields ParseFontKey(std::u16string_view key) {
    if (key.size() < kName) {
        return ParseFontKey(kDefaultFontKey);
    }
    TXLSFontFields fields;
    fields.height = static_cast<std::uint16_t>(ReadHexField(key, kHeight, kHeightWidth));
    fields.colorIndex = static_cast<std::uint16_t>(ReadHexField(key, kColor, kColorWidth));
    fields.bold = ReadHexField(key, kBold, 1) != 0;
    fields.italic = ReadHexField(key, kItalic, 1) != 0;
    fields.strikeout = ReadHexField(key, kStrikeout, 1) != 0;
    fields.outline = ReadHexField(key, kOutline, 1) != 0;
    fields.shadow = ReadHexField(key, kShadow, 1) != 0;
    fields.underline = static_cast<std::uint8_t>(ReadHexField(key, kUnderline, kUnderlineWidth));
    fields.subscript = ReadHexField(key, kSubscript, 1) != 0;
    fields.superscript = ReadHexField(key, kSuperscript, 1) != 0;
    fields.family = static_cast<std::uint8_t>(ReadHexField(key, kFamily, kFamilyWidth));
    fields.characterSet =
        static_cast<std::uint8_t>(ReadHexField(key, kCharacterSet, kCharacterSetWidth));
    fields.name = std::u16string(key.substr(kName));
    return fields;
}

}  // namespace xls
