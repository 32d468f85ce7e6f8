#pragma once
// The working table: one row per line of a material list, column 0 the row
// number, columns 1 to 4 the line's first four fields, column 5 the rest.

#include "calc/text.h"
#include "calc/text_grid.h"

namespace ek::calc {

// The fields of a line as the working table holds them: cut at each of the
// first four TABs, so that the fifth holds the rest of the line, TABs and
// all. A line ending with its first to fourth TAB has an empty last field;
// an empty line has none.
TextList fieldsOfLine(std::u16string_view line);

// Row r (from 1) holds item r - 1, up to the last item line or category
// title; the closing lines after it (such as "Konec" or empty lines) stay
// out. Row 0 is left as it is and stays the only row when there is no such
// line. Every cell of the data rows that these items do not set is empty
// afterwards.
void splitIntoWorkingTable(const TextList& items, TextGrid& table);

}  // namespace ek::calc
