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
    const std::size_t width = plantKeyWidth(keys.size());
    // Views of the two parts, so that no comparison copies a key. The name
    // alone decides first: compared whole, the digits would sort "Acer a"
    // (blank) before "Acer" (digit).
    const auto before = [&](const Text& a, const Text& b) {
        const std::u16string_view left(a);
        const std::u16string_view right(b);
        const std::size_t leftCut = left.size() - std::min(width, left.size());
        const std::size_t rightCut = right.size() - std::min(width, right.size());
        const int byName = collation.compare(left.substr(0, leftCut), right.substr(0, rightCut));
        if (byName != 0)
            return byName < 0;
        return left.substr(leftCut) < right.substr(rightCut);
    };
    // A list already in order (the plants table sorts it again) stays as it
    // is at the cost of one pass.
    if (std::is_sorted(keys.begin(), keys.end(), before))
        return;
    std::stable_sort(keys.begin(), keys.end(), before);
}

}  // namespace ek::calc
