#pragma once

// SaveAs and SaveToMemory: one save of a workbook, from the BIFF stream through
// the compound file into a file or memory.

#include <cstdint>
#include <string>
#include <vector>

#include "xls/io/save_result.h"

namespace xls {

class FileSystem;
class TXLSWorkbook;

// Saves the workbook as a BIFF8 compound file named `fileName` (not
// trimmed). A name that is empty once leading and trailing blanks and
// control characters are removed gives BlankName without touching anything.
// The new file takes the place of an existing one only when it is complete:
// on any failure the old file is kept and no temporary file remains. A
// symbolic link at `fileName` stays and the file it names is replaced, with
// its permissions kept.
SaveResult SaveAs(TXLSWorkbook& workbook, const std::u16string& fileName);
// The same through the given file system (tests make its calls fail).
SaveResult SaveAs(TXLSWorkbook& workbook, const std::u16string& fileName, FileSystem& fileSystem);

// Saves the workbook's compound file into memory: on success its bytes are
// appended to `destination`, which is left as it was otherwise.
SaveResult SaveToMemory(TXLSWorkbook& workbook, std::vector<std::uint8_t>& destination);

// True when `fileName` holds nothing but blanks and control characters.
bool IsBlankFileName(std::u16string_view fileName);

}  // namespace xls
