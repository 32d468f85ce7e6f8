#pragma once

// The whole "Workbook" stream of one save, built in memory from the workbook:
// globals, then every sheet, ready for the compound file.

#include <cstddef>
#include <optional>
#include <vector>

#include "xls/biff/record_list.h"
#include "xls/biff/sheet_writer.h"

namespace xls {

class TXLSWorkbook;

// The whole "Workbook" stream of one save pass, held in memory before the
// first byte is written: globals part A (BOF .. SST, BOUNDSHEET), part B
// (SUPBOOK .. EOF), then each sheet's five lists.
struct WorkbookStream {
    RecordList globalsA;
    RecordList globalsB;
    std::vector<SheetRecordLists> sheets;

    std::size_t length() const;
};

// Builds the stream (steps 1 to 9 of a save pass): adds a sheet to a workbook
// without one, compacts the formats, numbers the live strings, builds the
// globals, places each sheet (its stream position is stored in the sheet) and
// builds its records, then the BOUNDSHEET records. Empty when the workbook
// has no sheet and none can be added.
std::optional<WorkbookStream> generateWorkbookStream(TXLSWorkbook& workbook);

// Writes the lists in stream order, then zero bytes up to the next multiple
// of 512 (the padding's own result is not examined). False at the first write
// that takes fewer bytes than given: later lists are not written, the padding
// is still attempted.
bool writeWorkbookStream(const WorkbookStream& stream, ByteSink& sink);

// Zero bytes that bring `length` to a multiple of 512.
constexpr std::size_t streamPadding(std::size_t length) {
    return (512 - length % 512) % 512;
}

}  // namespace xls
