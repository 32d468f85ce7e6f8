#include "calc/plant_sort_keys.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "calc/whole_number.h"

namespace ek::calc {

std::size_t plantKeyWidth(std::size_t count) {
    return std::max<std::size_t>(3, digitCount(static_cast<std::int64_t>(count)));
}

Text plantSortKey(const Text& shownName, std::int64_t row, std::size_t width) {
    return shownName + zeroPadded(row, width);
}

PlantKeyParts splitPlantKey(const Text& key, std::size_t count) {
    const std::size_t width = std::min(plantKeyWidth(count), key.size());
    return {key.substr(0, key.size() - width), key.substr(key.size() - width)};
}

namespace {

// A key taken apart once: views of its name and row number, and its place.
struct SortableKey {
    std::u16string_view name;
    std::u16string_view number;
    std::size_t place;
};

}  // namespace

void sortPlantKeys(TextList& keys, const CzechCollation& collation) {
    const std::size_t width = plantKeyWidth(keys.size());
    std::vector<SortableKey> sortable;
    sortable.reserve(keys.size());
    for (std::size_t place = 0; place < keys.size(); ++place) {
        const std::u16string_view key(keys[place]);
        const std::size_t cut = key.size() - std::min(width, key.size());
        sortable.push_back({key.substr(0, cut), key.substr(cut), place});
    }
    // The name alone decides first: compared whole, the digits would sort
    // "Acer a" (blank) before "Acer" (digit).
    const auto before = [&](const SortableKey& a, const SortableKey& b) {
        const int byName = collation.compare(a.name, b.name);
        if (byName != 0)
            return byName < 0;
        return a.number < b.number;
    };
    // A list already in order (the plants table sorts it again) stays as it is.
    if (std::is_sorted(sortable.begin(), sortable.end(), before))
        return;
    // The views move while sorting, the texts once at the end.
    std::stable_sort(sortable.begin(), sortable.end(), before);
    TextList sorted;
    sorted.reserve(keys.size());
    for (const SortableKey& key : sortable)
        sorted.push_back(std::move(keys[key.place]));
    keys = std::move(sorted);
}

}  // namespace ek::calc
