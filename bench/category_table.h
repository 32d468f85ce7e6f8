#pragma once
// Generated category tables (header row, item rows, subtotal row), to lay
// out and save worksheets of a chosen size without reading a material list.

#include <cstddef>

#include "calc/text_grid.h"

namespace ek::bench {

// A five-column table of `items` item rows between its header and subtotal
// rows. Half of the item cells hold a text of their own, the other half one
// of a few repeated texts, as material lists mix unique names with
// repeated quantities and prices.
calc::TextGrid categoryTable(int items);

// The bytes a table's cells take: their texts and where each lies.
std::size_t tableBytes(const calc::TextGrid& table);

}  // namespace ek::bench
