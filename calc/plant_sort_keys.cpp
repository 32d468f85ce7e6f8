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

// A key taken apart once: where its name and row number stand in the block
// of copies, where the name's primary key stands (no key: the largest
// length), and the key's place in the list.
struct SortableKey {
    std::uint32_t name;
    std::uint32_t nameLength;
    std::uint32_t numberLength;
    std::uint32_t place;
    std::uint32_t primary;
    std::uint32_t primaryLength;
};

}  // namespace

void sortPlantKeys(TextList& keys, const CzechCollation& collation) {
    const std::size_t width = plantKeyWidth(keys.size());
    // The keys are copied into one block, one after the other: a sort reads
    // each of them many times, and where they lie scattered over the heap
    // most of those reads miss the processor's caches.
    std::size_t units = 0;
    for (const Text& key : keys)
        units += key.size();
    // A material list has at most 64 MiB; the offsets below take 4 GiB.
    if (units > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("plant keys too long to sort");
    std::u16string block;
    block.reserve(units);
    // Most names are made of letters, digits and blanks alone: their primary
    // keys, compared byte by byte, decide most comparisons at once.
    std::string primaries;
    primaries.reserve(units);
    std::vector<SortableKey> sortable;
    sortable.reserve(keys.size());
    for (std::size_t place = 0; place < keys.size(); ++place) {
        const std::u16string_view key(keys[place]);
        const std::size_t cut = key.size() - std::min(width, key.size());
        const std::size_t primary = primaries.size();
        const bool keyed = appendPrimaryKey(key.substr(0, cut), primaries);
        sortable.push_back({static_cast<std::uint32_t>(block.size()),
                            static_cast<std::uint32_t>(cut),
                            static_cast<std::uint32_t>(key.size() - cut),
                            static_cast<std::uint32_t>(place), static_cast<std::uint32_t>(primary),
                            keyed ? static_cast<std::uint32_t>(primaries.size() - primary)
                                  : std::numeric_limits<std::uint32_t>::max()});
        block += key;
    }
    const std::u16string_view all(block);
    const std::string_view allPrimaries(primaries);
    const auto keyed = [](const SortableKey& key) {
        return key.primaryLength != std::numeric_limits<std::uint32_t>::max();
    };
    // The name alone decides first: compared whole, the digits would sort
    // "Acer a" (blank) before "Acer" (digit).
    const auto before = [&](const SortableKey& a, const SortableKey& b) {
        if (keyed(a) && keyed(b)) {
            const int byPrimary = allPrimaries.substr(a.primary, a.primaryLength)
                                      .compare(allPrimaries.substr(b.primary, b.primaryLength));
            if (byPrimary != 0)
                return byPrimary < 0;
        }
        const int byName =
            collation.compare(all.substr(a.name, a.nameLength), all.substr(b.name, b.nameLength));
        if (byName != 0)
            return byName < 0;
        return all.substr(a.name + a.nameLength, a.numberLength) <
               all.substr(b.name + b.nameLength, b.numberLength);
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
