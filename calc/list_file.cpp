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

// NUL and CR are dropped, LF cuts the items.
bool isDroppedOrCut(char16_t unit) {
    return unit == u'\r' || unit == u'\n' || unit == u'\0';
}

char16_t unitAt(const platform::Bytes& bytes, std::size_t pos) {
    return static_cast<char16_t>(bytes[pos] | (bytes[pos + 1] << 8));
}

Text decodeUtf16LittleEndian(const platform::Bytes& bytes, std::size_t start) {
    const std::size_t pairs = (bytes.size() - start) / 2;
    Text units(pairs + (bytes.size() - start) % 2, kReplacement);  // a lone trailing byte stays
    for (std::size_t i = 0; i < pairs; ++i)
        units[i] = unitAt(bytes, start + 2 * i);

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
    std::size_t pos = 0;
    while (pos < text.size()) {
        // The run up to the next dropped or cutting unit goes in at once.
        std::size_t stop = pos;
        while (stop < text.size() && !isDroppedOrCut(text[stop]))
            ++stop;
        if (stop > pos) {
            items.back().append(text.substr(pos, stop - pos));
            lastKeptWasLineFeed = false;
        }
        if (stop == text.size())
            break;
        if (text[stop] == u'\n') {
            items.emplace_back();
            lastKeptWasLineFeed = true;
        }
        pos = stop + 1;
    }
    if (lastKeptWasLineFeed)
        items.pop_back();
    return items;
}

TextList listFileItems(const platform::Bytes& bytes) {
    return itemsOfText(decodeListFile(bytes));
}

}  // namespace ek::calc
