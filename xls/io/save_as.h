#pragma once

// SaveAs and SaveToMemory: one save of a workbook, from the BIFF stream through
// the compound file into a file or memory, and their result codes.

#include <cstdint>
#include <string>
#include <vector>

namespace xls {

class FileSystem;
class TXLSWorkbook;

// Results of SaveAs and SaveToMemory.
inline constexpr int kSaveAsSucceeded = 1;
// A blank file name (nothing is created), or a failed stream write or
// creation (the previous file stays as it was).
inline constexpr int kSaveAsFailed = -1;
// The file cannot be created or replaced (missing folder, no rights, the
// file is held by another program); the previous file stays as it was.
inline constexpr int kSaveAsCannotCreate = -2;
// SaveToMemory only: no compound file could be set up in memory.
inline constexpr int kSaveAsNoMemoryFile = -3;

// Saves the workbook as a BIFF8 compound file named `fileName` (not
// trimmed). A name that is empty once leading and trailing blanks and
// control characters are removed gives -1 without touching anything. The
// new file takes the place of an existing one only when it is complete: on
// any failure the old file is kept and no temporary file remains.
int SaveAs(TXLSWorkbook& workbook, const std::u16string& fileName);
// The same through the given file system (tests make its calls fail).
int SaveAs(TXLSWorkbook& workbook, const std::u16string& fileName, FileSystem& fileSystem);

// Saves the workbook's compound file into memory: on success its bytes are
// appended to `destination`, which is left as it was otherwise.
int SaveToMemory(TXLSWorkbook& workbook, std::vector<std::uint8_t>& destination);

// True when `fileName` holds nothing but blanks and control characters.
bool IsBlankFileName(std::u16string_view fileName);

}  // namespace xls
