#include "xls/io/path_encoding.h"

namespace xls {

namespace {

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace

std::optional<std::string> utf8Path(std::u16string_view path) {
    std::string out;
    out.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char16_t unit = path[i];
        if (unit == 0 || isLowSurrogate(unit)) {
            return std::nullopt;
        }
        if (!isHighSurrogate(unit)) {
            appendUtf8(out, unit);
            continue;
        }
        if (i + 1 == path.size() || !isLowSurrogate(path[i + 1])) {
            return std::nullopt;
        }
        const char32_t codePoint =
            0x10000 + ((char32_t{unit} - 0xD800) << 10) + (char32_t{path[i + 1]} - 0xDC00);
        appendUtf8(out, codePoint);
        ++i;
    }
    return out;
}

}  // namespace xls
