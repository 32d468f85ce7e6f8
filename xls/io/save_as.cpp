#include "xls/io/save_as.h"

#include <algorithm>
#include <exception>
#include <new>

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

// The save pass into a created compound file. A file that is not released
// leaves nothing behind: the old file, or the caller's buffer, stays as it was.
SaveResult writeInto(TXLSWorkbook& workbook, CompoundFile& file) {
    const std::optional<WorkbookStream> stream = generateWorkbookStream(workbook);
    if (!stream) {
        return SaveResult::WriteFailed;
    }
    CompoundStream* workbookStream = file.createStream(u"Workbook");
    if (workbookStream == nullptr) {
        return SaveResult::WriteFailed;
    }
    // A short write is the stream's failure, which release() reports
    // without committing anything.
    writeWorkbookStream(*stream, *workbookStream);
    return file.release();
}

// No exception leaves a save: running out of memory while the stream is
// built is a failed save like any other, and the half-made file is dropped.
SaveResult saveInto(TXLSWorkbook& workbook, std::unique_ptr<CompoundFile> file) {
    try {
        return writeInto(workbook, *file);
    } catch (const std::bad_alloc&) {
        return SaveResult::OutOfMemory;
    } catch (const std::exception&) {
        return SaveResult::WriteFailed;
    }
}

}  // namespace

bool IsBlankFileName(std::u16string_view fileName) {
    return std::all_of(fileName.begin(), fileName.end(), isBlankOrControl);
}

SaveResult SaveAs(TXLSWorkbook& workbook, const std::u16string& fileName) {
    return SaveAs(workbook, fileName, nativeFileSystem());
}

SaveResult SaveAs(TXLSWorkbook& workbook, const std::u16string& fileName, FileSystem& fileSystem) {
    TXLSSaveState& state = workbook.SaveState();
    state.lastFileFormat = SaveFormat::Biff8;
    if (IsBlankFileName(fileName)) {
        return SaveResult::BlankName;
    }
    Made<CompoundFile> file = CompoundFile::create(fileName, fileSystem);
    if (!file.made) {
        return file.failure;
    }
    const OpenFileMark open(state);
    state.fileName = fileName;
    return saveInto(workbook, std::move(file.made));
}

SaveResult SaveToMemory(TXLSWorkbook& workbook, std::vector<std::uint8_t>& destination) {
    workbook.SaveState().lastFileFormat = SaveFormat::Biff8;
    std::unique_ptr<CompoundFile> file = CompoundFile::createInMemory(destination);
    if (!file) {
        return SaveResult::NoMemoryFile;
    }
    return saveInto(workbook, std::move(file));
}

}  // namespace xls
