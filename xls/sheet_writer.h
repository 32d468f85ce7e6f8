#pragma once

#include <cstddef>
#include <cstdint>

#include "xls/record_list.h"

namespace xls {

class IXLSWorksheet;
class TXLSStringTable;
class TXLSXFList;

// One worksheet substream as five record lists, written in this order.
struct SheetRecordLists {
    RecordList head;       // BOF, INDEX
    RecordList settings;   // CALCMODE .. DIMENSIONS
    RecordList cellTable;  // ROW, cell records and DBCELL, by blocks of 32 rows
    RecordList drawings;   // none: the library holds no shapes or comments
    RecordList tail;       // BOTTOMMARGIN .. EOF

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

}  // namespace xls
