#pragma once
// The working table: one row per line of a material list, column 0 the row
// number, columns 1 and up the line's fields.

#include "calc/text.h"
#include "calc/text_grid.h"

namespace ek::calc {

// The fields of a line, cut at each TAB; a line ending with TAB has an empty
// last field, an empty line has none.
TextList fieldsOfLine(std::u16string_view line);

// k items give k rows (never fewer than the header row 0, which is left as it
// is); rows 1 to k - 1 hold items 0 to k - 2, the last item stays out. Every
// cell of the data rows that these items do not set is empty afterwards.
void splitIntoWorkingTable(const TextList& items, TextGrid& table);

}  // namespace ek::calc
