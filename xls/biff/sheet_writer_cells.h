#pragma once

// The cell table of a worksheet substream: its ROW, cell and DBCELL records.

#include <cstdint>
#include <optional>
#include <vector>

#include "xls/biff/biff_records_sheet.h"
#include "xls/biff/record_list.h"
#include "xls/biff/sheet_writer.h"

namespace xls {

// What building a cell table learns for the records around it.
struct CellTableSummary {
    // Rows and columns covered by the cell records written; empty when none.
    std::optional<records::Extent> extent;
    // Lowest row with a row entry and the highest + 1 (INDEX); empty when none.
    std::optional<std::uint32_t> firstRow;
    std::uint32_t lastRowPlus1 = 0;
    // Where each DBCELL starts in the cell table.
    std::vector<std::uint32_t> dbCellPositions;
    std::uint8_t highestRowOutlineLevel = 0;
};

// A sheet's ROW, cell and DBCELL records, appended to `cellTable`: blocks
// of 32 rows counted from the lowest row with an entry, each block's ROW
// records first, then its rows' cells, then its DBCELL. A sheet without row
// entries gets one empty DBCELL.
CellTableSummary buildCellTable(const IXLSWorksheet& sheet, const SheetWriteContext& context,
                                RecordList& cellTable);

}  // namespace xls
