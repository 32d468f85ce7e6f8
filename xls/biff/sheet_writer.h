#pragma once

// One worksheet substream built from a sheet, as five record lists, using the
// XF and string numbers of the current save.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "xls/biff/record_list.h"

namespace xls {

class IXLSWorksheet;
class TXLSStringTable;
class TXLSXFList;

// Where a sheet's DBCELL records lie in its cell table, for its INDEX.
struct CellTableIndex {
    std::optional<std::uint32_t> firstRow;  // empty: no row has an entry
    std::uint32_t lastRowPlus1 = 0;
    std::vector<std::uint32_t> dbCellPositions;
};

// One worksheet substream as five record lists, written in this order.
struct SheetRecordLists {
    RecordList head;       // BOF, INDEX
    RecordList settings;   // CALCMODE .. DIMENSIONS
    RecordList cellTable;  // ROW, cell records and DBCELL, by blocks of 32 rows
    RecordList drawings;   // none: the library holds no shapes or comments
    RecordList tail;       // BOTTOMMARGIN .. EOF
    CellTableIndex index;  // what the head is built from

    std::size_t length() const;
    // Writes the five lists in order; false at the first short write.
    bool writeTo(ByteSink& sink) const;
};

// What a sheet's records take from its workbook: the written XF numbers
// (ixfe) and the written string positions (isst) of the current save pass.
struct SheetWriteContext {
    const TXLSXFList& xfs;
    const TXLSStringTable& strings;
};

// Builds the records of `sheet`, whose BOF lies at `bofOffset` in the stream.
// Reads the sheet only; the XF and string numbering must be done before.
SheetRecordLists buildSheetRecords(const IXLSWorksheet& sheet, const SheetWriteContext& context,
                                   std::uint32_t bofOffset);

// The same in two steps: every list but the head, which does not depend on
// where the sheet lies, then the head once the sheet's BOF offset is known
// (after the sheets before it are built). The head's length is the same for
// any offset.
SheetRecordLists buildSheetBody(const IXLSWorksheet& sheet, const SheetWriteContext& context);
// Called once per body.
void placeSheet(SheetRecordLists& lists, std::uint32_t bofOffset);

}  // namespace xls
