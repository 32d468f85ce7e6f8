#pragma once
// Plant names of the plants table: the name inside the item field, and the
// part of it that the plant-name mode shows.

#include <string_view>

#include "calc/text.h"

namespace ek::calc {

// The plant-name mode; the values are the item indexes of its radio group.
enum class PlantNameMode { Prvni = 0, Druhy = 1, Oba = 2 };

// The plant name inside an item field: without its ten leading characters and
// its one trailing character. Fewer than twelve characters: empty text. The
// result is a view of `field`.
std::u16string_view plantNameFromField(std::u16string_view field);

// The part of a plant name ("first name - second name") shown in `mode`:
// Prvni everything before the last " - ", Druhy everything after the first
// " - ", Oba the whole name. Without a joiner, or when the joiner that would
// cut starts the name, the whole name is shown. A hyphen without blanks
// ("Acer 'Autumn-Blaze' - javor") is part of the name, not the joiner. The
// result is a view of `plantName`.
std::u16string_view shownPlantName(std::u16string_view plantName, PlantNameMode mode);

}  // namespace ek::calc
