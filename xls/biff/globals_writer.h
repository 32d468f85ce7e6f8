#pragma once

// The workbook-globals substream built from the workbook: the records before
// and after the BOUNDSHEET records, and those, whose stream positions are known
// only once the sheets are placed.

#include <cstddef>

#include "xls/biff/record_list.h"

namespace xls {

class TXLSWorkbook;

// Globals part A up to the shared string table: BOF, CODEPAGE, DSF, WINDOW1,
// BACKUP, DATEMODE, PRECISION, REFMODE, FNGROUPCOUNT, BOOKBOOL, FONT, FORMAT,
// XF, STYLE, PALETTE, COUNTRY, RECALCID, then SST and EXTSST when strings are
// written. `partA` must be empty (it starts the stream: the SST's offset is
// its length). The formats must be compacted and the strings numbered first.
void buildGlobalsHead(RecordList& partA, const TXLSWorkbook& workbook);

// Globals part B: SUPBOOK, EXTERNSHEET, MSODRAWINGGROUP, EOF.
void buildGlobalsTail(RecordList& partB, const TXLSWorkbook& workbook);

// The bytes the BOUNDSHEET records will take, known before they are built.
std::size_t boundSheetsLength(const TXLSWorkbook& workbook);

// One BOUNDSHEET per sheet, in order, with each sheet's stream position.
void appendBoundSheets(RecordList& partA, const TXLSWorkbook& workbook);

}  // namespace xls
