#include "calc/plant_sort_keys.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "calc/collation_shortcut.h"
#include "calc/whole_number.h"

namespace ek::calc {

std::size_t plantKeyWidth(std::size_t count) {
    return std::max<std::size_t>(3, digitCount(static_cast<std::int64_t>(count)));
}

Text plantSortKey(std::u16string_view shownName, std::int64_t row, std::size_t width) {
    const Text number = zeroPadded(row, width);
    Text key;
    key.reserve(shownName.size() + number.size());
    key.append(shownName);
    key.append(number);
    return key;
}

PlantKeyParts splitPlantKey(const Text& key, std::size_t count) {
    const std::size_t width = std::min(plantKeyWidth(count), key.size());
    return {key.substr(0, key.size() - width), key.substr(key.size() - width)};
}

namespace {

// A list key as the sort sees it: where its sort key stands in the block of
// them (its name's sort key, then its row number), or, for a name the sort
// key does not cover, the largest length; and the key's place in the list.
struct SortableKey {
    std::uint32_t start;
    std::uint32_t length;
    std::uint32_t nameLength;
    std::uint32_t place;
};

constexpr std::uint32_t kNoSortKey = std::numeric_limits<std::uint32_t>::max();

}  // namespace

void sortPlantKeys(TextList& keys, const CzechCollation& collation) {
    const std::size_t width = plantKeyWidth(keys.size());
    std::size_t units = 0;
    for (const Text& key : keys)
        units += key.size();
    // A material list has at most 64 MiB; the offsets below take 4 GiB.
    if (2 * units + 2 * keys.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("plant keys too long to sort");
    // Nearly every name is made of letters, digits, blanks, hyphens and
    // apostrophes: its sort key, followed by the row number, decides a
    // comparison byte by byte. The keys stand one after the other in one
    // block: a sort reads each many times, and texts scattered over the heap
    // would make most of those reads miss the processor's caches.
    std::string block;
    block.reserve(2 * units + 2 * keys.size());
    std::vector<SortableKey> sortable;
    sortable.reserve(keys.size());
    for (std::size_t place = 0; place < keys.size(); ++place) {
        const std::u16string_view key(keys[place]);
        const std::size_t cut = key.size() - std::min(width, key.size());
        const std::size_t start = block.size();
        std::uint32_t length = kNoSortKey;
        if (appendSortKey(key.substr(0, cut), block)) {
            // The row number's units high byte first, so that the bytes
            // order them as the units do.
            const std::u16string_view number = key.substr(cut);
            const std::size_t at = block.size();
            block.resize(at + 2 * number.size());
            for (std::size_t i = 0; i < number.size(); ++i) {
                block[at + 2 * i] = static_cast<char>(number[i] >> 8);
                block[at + 2 * i + 1] = static_cast<char>(number[i] & 0xFF);
            }
            length = static_cast<std::uint32_t>(block.size() - start);
        }
        sortable.push_back({static_cast<std::uint32_t>(start), length,
                            static_cast<std::uint32_t>(cut), static_cast<std::uint32_t>(place)});
    }
    const std::string_view sortKeys(block);
    // The name alone decides first: compared whole, the digits would sort
    // "Acer a" (blank) before "Acer" (digit).
    const auto before = [&](const SortableKey& a, const SortableKey& b) {
        if (a.length != kNoSortKey && b.length != kNoSortKey)
            return sortKeys.substr(a.start, a.length) < sortKeys.substr(b.start, b.length);
        const std::u16string_view left(keys[a.place]);
        const std::u16string_view right(keys[b.place]);
        const int byName =
            collation.compare(left.substr(0, a.nameLength), right.substr(0, b.nameLength));
        if (byName != 0)
            return byName < 0;
        return left.substr(a.nameLength) < right.substr(b.nameLength);
    };
    // A list already in order (the plants table sorts it again) stays as it is.
    if (std::is_sorted(sortable.begin(), sortable.end(), before))
        return;
    // The small entries move while sorting, the texts once at the end.
    std::stable_sort(sortable.begin(), sortable.end(), before);
    TextList sorted;
    sorted.reserve(keys.size());
    for (const SortableKey& key : sortable)
        sorted.push_back(std::move(keys[key.place]));
    keys = std::move(sorted);
}

}  // namespace ek::calc
