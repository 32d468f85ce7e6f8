#pragma once
// Sort keys of the plants table (ListBox3): the shown name followed directly
// by the item's row number in file order, zero-padded to a width shared by all
// keys of one table, so that the number can be cut off again.

#include <cstdint>
#include <string_view>

#include "calc/czech_collation.h"
#include "calc/text.h"

namespace ek::calc {

// At least three digits, more when `count` rows need them.
std::size_t plantKeyWidth(std::size_t count);

Text plantSortKey(std::u16string_view shownName, std::int64_t row, std::size_t width);

// The two parts of a key, as views of it, whose number is `width` wide
// (plantKeyWidth of its list's length) or the whole of a shorter key.
struct PlantKeyParts {
    std::u16string_view name;
    std::u16string_view number;
};
PlantKeyParts splitPlantKey(std::u16string_view key, std::size_t width);

// Ascending by name (Czech, ignoring case), equal names by row number; keys
// alike in both keep their order.
void sortPlantKeys(TextList& keys, const CzechCollation& collation);

}  // namespace ek::calc
