#include "calc/list_file.h"

#include "calc/windows1250.h"

namespace ek::calc {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

bool startsWithUtf16Mark(const platform::Bytes& bytes) {
    return bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

Text decodeUtf16LittleEndian(const platform::Bytes& bytes, std::size_t start) {
    Text units;
    units.reserve((bytes.size() - start) / 2 + 1);
    std::size_t pos = start;
    for (; pos + 1 < bytes.size(); pos += 2) {
        units += static_cast<char16_t>(bytes[pos] | (bytes[pos + 1] << 8));
    }
    if (pos < bytes.size())
        units += kReplacement;  // a lone trailing byte

    // Pairs stay; a surrogate without its partner is replaced.
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (isHighSurrogate(units[i]) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
            ++i;
        } else if (isHighSurrogate(units[i]) || isLowSurrogate(units[i])) {
            units[i] = kReplacement;
        }
    }
    return units;
}

}  // namespace

Text decodeListFile(const platform::Bytes& bytes) {
    if (startsWithUtf16Mark(bytes))
        return decodeUtf16LittleEndian(bytes, 2);
    return decodeWindows1250(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

TextList itemsOfText(std::u16string_view text) {
    TextList items(1);
    bool lastKeptWasLineFeed = false;
    for (const char16_t c : text) {
        if (c == u'\r' || c == u'\0')
            continue;
        lastKeptWasLineFeed = c == u'\n';
        if (lastKeptWasLineFeed) {
            items.emplace_back();
        } else {
            items.back() += c;
        }
    }
    if (lastKeptWasLineFeed)
        items.pop_back();
    return items;
}

TextList listFileItems(const platform::Bytes& bytes) {
    return itemsOfText(decodeListFile(bytes));
}

}  // namespace ek::calc
