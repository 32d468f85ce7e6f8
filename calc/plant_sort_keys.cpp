#include "calc/plant_sort_keys.h"

#include <algorithm>

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

void sortPlantKeys(TextList& keys, const CzechCollation& collation) {
    const std::size_t count = keys.size();
    // The name alone decides first: compared whole, the digits would sort
    // "Acer a" (blank) before "Acer" (digit).
    std::stable_sort(keys.begin(), keys.end(), [&](const Text& a, const Text& b) {
        const PlantKeyParts left = splitPlantKey(a, count);
        const PlantKeyParts right = splitPlantKey(b, count);
        const int byName = collation.compare(left.name, right.name);
        if (byName != 0)
            return byName < 0;
        return left.number < right.number;
    });
}

}  // namespace ek::calc
