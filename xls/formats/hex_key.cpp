#include "xls/formats/hex_key.h"

namespace xls {

namespace {
constexpr char16_t kDigits[] = u"0123456789ABCDEF";

int DigitValue(char16_t unit) {
    if (unit >= u'0' && unit <= u'9') {
        return unit - u'0';
    }
    if (unit >= u'A' && unit <= u'F') {
        return unit - u'A' + 10;
    }
    if (unit >= u'a' && unit <= u'f') {
        return unit - u'a' + 10;
    }
    return 0;
}
}  // namespace

std::uint32_t ReadHexField(std::u16string_view key, std::size_t offset, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width && offset + i < key.size(); ++i) {
        value = (value << 4) | static_cast<std::uint32_t>(DigitValue(key[offset + i]));
    }
    return value;
}

void WriteHexField(std::u16string& key, std::size_t offset, std::size_t width,
                   std::uint32_t value) {
    if (key.size() < offset + width) {
        key.resize(offset + width, u'0');
    }
    for (std::size_t i = width; i > 0; --i) {
        key[offset + i - 1] = kDigits[value & 0xF];
        value >>= 4;
    }
}

void AppendHexField(std::u16string& key, std::size_t width, std::uint32_t value) {
    WriteHexField(key, key.size(), width, value);
}

}  // namespace xls
