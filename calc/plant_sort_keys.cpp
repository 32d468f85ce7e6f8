#include "calc/plant_sort_keys.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/whole_number.h"

namespace ek::calc {

std::size_t plantKeyWidth(std::size_t count) {
    return std::max<std::size_t>(3, digitCount(static_cast<std::int64_t>(count)));
}

Text plantSortKey(std::u16string_view shownName, std::int64_t row, std::size_t width) {
    std::array<char16_t, 20> buffer;
    const std::u16string_view digits = decimalText(row, buffer);
    const std::size_t zeros = width > digits.size() ? width - digits.size() : 0;
    Text key;
    key.reserve(shownName.size() + zeros + digits.size());
    key.append(shownName);
    key.append(zeros, u'0');
    key.append(digits);
    return key;
}

PlantKeyParts splitPlantKey(std::u16string_view key, std::size_t width) {
    const std::size_t cut = key.size() - std::min(width, key.size());
    return {key.substr(0, cut), key.substr(cut)};
}

void sortPlantKeys(TextList& keys, const CzechCollation& collation) {
    if (keys.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("too many plant keys to sort");
    const std::size_t width = plantKeyWidth(keys.size());
    // One collation key a name, all in one block: the collator is asked once
    // a key rather than once a comparison.
    struct Entry {
        std::size_t start;
        std::size_t length;
        std::u16string_view number;
        std::uint32_t place;
    };
    std::string bytes;
    std::vector<Entry> entries;
    entries.reserve(keys.size());
    for (std::size_t place = 0; place < keys.size(); ++place) {
        const PlantKeyParts parts = splitPlantKey(keys[place], width);
        const std::size_t start = bytes.size();
        collation.appendSortKey(parts.name, bytes);
        entries.push_back(
            {start, bytes.size() - start, parts.number, static_cast<std::uint32_t>(place)});
    }
    // The name alone decides first: compared whole, the digits would sort
    // "Acer a" (blank) before "Acer" (digit).
    const std::string_view all(bytes);
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        const int byName = all.substr(a.start, a.length).compare(all.substr(b.start, b.length));
        return byName != 0 ? byName < 0 : a.number < b.number;
    });
    TextList sorted;
    sorted.reserve(keys.size());
    for (const Entry& entry : entries)
        sorted.push_back(std::move(keys[entry.place]));
    keys = std::move(sorted);
}

}  // namespace ek::calc
