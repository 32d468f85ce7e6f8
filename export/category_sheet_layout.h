#pragma once
// One category table laid out as a worksheet: title, header, items, the
// category subtotal and the project total, with fonts, fills, borders,
// alignments and column widths.

#include "calc/text.h"
#include "calc/text_grid.h"
#include "export/category_sheets.h"
#include "xls/xls.h"

namespace ek::exporter {

// Fills `worksheet` (already named) from `table`, which has at least two rows
// (header and subtotal), and ends it with the project total row showing
// `projectTotal`. Texts are stored exactly as given.
void layOutCategorySheet(xls::IXLSWorksheet& worksheet, const CategorySheet& sheet,
                         const calc::TextGrid& table, const calc::Text& projectTotal);

}  // namespace ek::exporter
