#include "xls/io/save_as.h"

#include <algorithm>
#include <exception>

#include "xls/biff/workbook_writer.h"
#include "xls/cfb/compound_file.h"
#include "xls/io/file_system.h"
#include "xls/model/workbook.h"

namespace xls {
namespace {

// Blanks and control characters: what is trimmed from a file name's ends.
bool isBlankOrControl(char16_t unit) {
    return unit <= 0x20 || unit == 0x7F;
}

// Marks the file open for writing while it lives, closed again at the end,
// whichever way the save ends.
class OpenFileMark {
  public:
    explicit OpenFileMark(TXLSSaveState& state) : state_(state) { state_.fileClosed = false; }
    ~OpenFileMark() { state_.fileClosed = true; }
    OpenFileMark(const OpenFileMark&) = delete;
    OpenFileMark& operator=(const OpenFileMark&) = delete;

  private:
    TXLSSaveState& state_;
};

int resultOf(CommitResult commit) {
    switch (commit) {
        case CommitResult::Committed:
            return kSaveAsSucceeded;
        case CommitResult::ReplaceFailed:
            return kSaveAsCannotCreate;
        case CommitResult::WriteFailed:
            break;
    }
    return kSaveAsFailed;
}

// The save pass into a created compound file. A file that is not released
// leaves nothing behind: the old file, or the caller's buffer, stays as it was.
int writeInto(TXLSWorkbook& workbook, CompoundFile& file) {
    const std::optional<WorkbookStream> stream = generateWorkbookStream(workbook);
    if (!stream) {
        return kSaveAsFailed;
    }
    CompoundStream* workbookStream = file.createStream(u"Workbook");
    if (workbookStream == nullptr) {
        return kSaveAsFailed;
    }
    if (writeWorkbookStream(*stream, *workbookStream) != kSaveSucceeded) {
        return kSaveAsFailed;
    }
    return resultOf(file.release());
}

// No exception leaves a save: running out of memory while the stream is
// built is a failed save like any other, and the half-made file is dropped.
int saveInto(TXLSWorkbook& workbook, std::unique_ptr<CompoundFile> file) {
    try {
        return writeInto(workbook, *file);
    } catch (const std::exception&) {
        return kSaveAsFailed;
    }
}

}  // namespace

bool IsBlankFileName(std::u16string_view fileName) {
    return std::all_of(fileName.begin(), fileName.end(), isBlankOrControl);
}

int SaveAs(TXLSWorkbook& workbook, const std::u16string& fileName) {
    return SaveAs(workbook, fileName, nativeFileSystem());
}

int SaveAs(TXLSWorkbook& workbook, const std::u16string& fileName, FileSystem& fileSystem) {
    TXLSSaveState& state = workbook.SaveState();
    state.lastFileFormat = SaveFormat::Biff8;
    if (IsBlankFileName(fileName)) {
        return kSaveAsFailed;
    }
    std::unique_ptr<CompoundFile> file = CompoundFile::create(fileName, fileSystem);
    if (!file) {
        return kSaveAsCannotCreate;
    }
    const OpenFileMark open(state);
    state.fileName = fileName;
    return saveInto(workbook, std::move(file));
}

int SaveToMemory(TXLSWorkbook& workbook, std::vector<std::uint8_t>& destination) {
    workbook.SaveState().lastFileFormat = SaveFormat::Biff8;
    std::unique_ptr<CompoundFile> file = CompoundFile::createInMemory(destination);
    if (!file) {
        return kSaveAsNoMemoryFile;
    }
    return saveInto(workbook, std::move(file));
}

}  // namespace xls
