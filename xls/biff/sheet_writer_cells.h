#pragma once

// The cell table of a worksheet substream (ROW, cell and DBCELL records), built
// in parts side by side and joined into the very bytes of a one-pass build.

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

// A sheet's ROW, cell and DBCELL records: blocks of 32 rows counted from the
// lowest row with an entry, each block's ROW records first, then its rows'
// cells, then its DBCELL. Built in parts of whole blocks, side by side:
// the rows of a part, first to last (the first at a block's start).
struct CellTableRows {
    int firstRow = 0;
    int lastRow = -1;
};
// At most `maxParts` parts of about equal rows; a small table stays whole.
// None for a sheet without row entries.
std::vector<CellTableRows> splitCellTable(const IXLSWorksheet& sheet, std::size_t maxParts);

struct CellTablePart {
    RecordList records;
    CellTableSummary summary;  // DBCELL positions within this part
};
CellTablePart buildCellTablePart(const IXLSWorksheet& sheet, const SheetWriteContext& context,
                                 CellTableRows rows);

// The parts' records, in order, moved one after the other into `cellTable`
// (which keeps them as lists of their own), and their summaries as one.
CellTableSummary joinCellTableParts(const IXLSWorksheet& sheet, std::vector<CellTablePart> parts,
                                    std::vector<RecordList>& cellTable);

}  // namespace xls
