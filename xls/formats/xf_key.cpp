#include "xls/formats/xf_key.h"

#include "xls/formats/hex_key.h"

namespace xls {

using namespace xf_key;

std::u16string MakeXfKey(const TXLSXFFields& fields) {
    std::u16string key;
    key.reserve(kLength);
    AppendHexField(key, kFontWidth, fields.fontIndex);
    AppendHexField(key, kFormatWidth, fields.formatIndex);
    AppendHexField(key, kTypeProtectionWidth, fields.typeProtection);
    AppendHexField(key, kParentWidth, fields.parent);
    for (std::uint8_t byte : fields.alignment) {
        AppendHexField(key, 2, byte);
    }
    AppendHexField(key, kBorderWidth, fields.border1);
    AppendHexField(key, kBorderWidth, fields.border2);
    AppendHexField(key, kFillPatternWidth, fields.fillPattern);
    AppendHexField(key, kFillColorsWidth, fields.fillColors);
    AppendHexField(key, kFlagsWidth, fields.usedFlags);
    return key;
}

TXLSXFFields ParseXfKey(std::u16string_view key) {
    TXLSXFFields fields;
    if (key.size() != kLength) {
        return fields;
    }
    fields.fontIndex = static_cast<std::uint16_t>(ReadHexField(key, kFont, kFontWidth));
    fields.formatIndex = static_cast<std::uint16_t>(ReadHexField(key, kFormat, kFormatWidth));
    fields.typeProtection =
        static_cast<std::uint8_t>(ReadHexField(key, kTypeProtection, kTypeProtectionWidth));
    fields.parent = static_cast<std::uint16_t>(ReadHexField(key, kParent, kParentWidth));
    for (std::size_t i = 0; i < fields.alignment.size(); ++i) {
        fields.alignment[i] = static_cast<std::uint8_t>(ReadHexField(key, kAlignment + 2 * i, 2));
    }
    fields.border1 = ReadHexField(key, kBorder1, kBorderWidth);
    fields.border2 = ReadHexField(key, kBorder2, kBorderWidth);
    fields.fillPattern =
        static_cast<std::uint8_t>(ReadHexField(key, kFillPattern, kFillPatternWidth));
    fields.fillColors =
        static_cast<std::uint16_t>(ReadHexField(key, kFillColors, kFillColorsWidth));
    fields.usedFlags = static_cast<std::uint8_t>(ReadHexField(key, kFlags, kFlagsWidth));
    return fields;
}

}  // namespace xls
