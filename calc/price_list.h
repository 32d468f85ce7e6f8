#pragma once
// Price lists: the lines of a price list file as a table of category, system
// description and unit price, and that table written back as a file.

#include <string>

#include "calc/text.h"
#include "calc/text_grid.h"

namespace ek::calc {

// k lines give a table of k - 1 rows, never fewer than the header row 0, which
// is left empty for the caller's header. The first line (the header) and the
// last (the file's end mark) are not items. Row r holds line r: column 0 r,
// column 1 field 0 (category), column 2 field 1 (system description), column 3
// field 3 (unit price) without its three-character currency suffix. Fields are
// cut at TABs only; field 2 (the user description) and later fields are dropped.
TextGrid priceListTable(const TextList& lines);

// The whole price list file for rows 1 to the last of `table`, in Windows-1250:
// a header line, one line per row (category TAB system description TAB TAB
// price " Kč"), then "[End]". Every line, "[End]" included, ends with CR LF, so
// that a reader which ignores the empty text after a final line feed sees the
// header and "[End]" as its first and last lines. When a character cannot be
// written in Windows-1250, nothing is produced and CalcError "Ceník nelze
// uložit: znak "%s" na řádku %d nelze zapsat v kódování Windows-1250." is
// thrown for the first such character (a surrogate pair as one character).
std::string priceListFileBytes(const TextGrid& table);

}  // namespace ek::calc
