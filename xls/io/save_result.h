#pragma once

// SaveResult, how one save of a workbook ended and why it failed, with the
// Czech reason shown to the user and the numeric code of SaveAs.

#include <memory>
#include <string_view>

namespace xls {

// How a save ended. Every failure leaves the previous file as it was and no
// temporary file behind.
enum class SaveResult {
    Saved,
    BlankName,           // nothing but blanks and control characters; nothing is touched
    InvalidName,         // the name has no form the file system takes (NUL, lone surrogate)
    NameTooLong,         // the name or the whole path is over the system's limit
    FolderMissing,       // the folder does not exist (or a part of its path is a file)
    TargetIsFolder,      // a folder has the workbook's name
    ReadOnlyFile,        // the previous file may not be overwritten
    NoPermission,        // no right to create or replace a file in the folder
    ReadOnlyFileSystem,  // the disk is mounted or protected read-only
    FileInUse,           // another program holds the file open or locked
    NoSpace,             // the disk (or the user's quota) is full
    FileTooLarge,        // over the system's file-size limit or the format's 2 GiB
    OutOfMemory,         // memory ran out while the file was built
    CannotCreate,        // the file could not be created or put in place, for another reason
    WriteFailed,         // a write or the flush to the disk failed, for another reason
    NoMemoryFile,        // a save into memory could not set up its file
};

// The reason in Czech, lower case and without a full stop, to follow
// "Soubor "..." se nepodařilo uložit: ".
std::u16string_view saveResultText(SaveResult result);

// The automation-style result code of SaveAs and SaveToMemory: 1 saved, -1 a
// blank name or a failed write, -2 a file that cannot be created or
// replaced, -3 no file in memory.
int saveAsCode(SaveResult result);

// What a save step made, or, when `made` is null, why it could not.
template <typename T>
struct Made {
    std::unique_ptr<T> made;
    SaveResult failure = SaveResult::Saved;
};

}  // namespace xls
