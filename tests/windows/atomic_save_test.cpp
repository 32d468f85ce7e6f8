// Saving over an existing file on Windows: the new file takes the old one's
// place in one step (MoveFileExW), and a file that another program holds open
// or that is read-only stays exactly as it was.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/scratch_folder.h"
#include "xls/io/save_as.h"
#include "xls/model/workbook.h"

namespace ek::test {
namespace {

using platform::Bytes;
using platform::Path;

std::wstring wide(const Path& path) {
    return std::wstring(path.begin(), path.end());
}

// Holds a file open the way a spreadsheet program holds the workbook it
// shows: others may read it, nobody may write, rename over or delete it.
class HeldOpen {
  public:
    explicit HeldOpen(const Path& path)
        : handle_(::CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldOpen() {
        if (held())
            ::CloseHandle(handle_);
    }
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

void fill(xls::TXLSWorkbook& workbook) {
    xls::IXLSWorksheet& sheet = workbook.Worksheets().Add();
    sheet.SetName(u"Rostliny");
    sheet.Range(1, 1, 300, 5).SetValue(xls::Variant(u"Acer campestre - javor babyka"));
}

class AtomicSaveTest : public ::testing::Test {
  protected:
    // The names in the scratch folder: a temporary file left behind shows here.
    std::vector<Path> names() { return system_->listFiles(scratch_.path(), u"*"); }

    Bytes savedInMemory() {
        xls::TXLSWorkbook workbook;
        fill(workbook);
        Bytes bytes;
        EXPECT_EQ(xls::SaveToMemory(workbook, bytes), xls::SaveResult::Saved);
        return bytes;
    }

    xls::SaveResult saveAs(const Path& path) {
        xls::TXLSWorkbook workbook;
        fill(workbook);
        return xls::SaveAs(workbook, path);
    }

    std::unique_ptr<platform::Platform> system_ = platform::makeSystemPlatform();
    ScratchFolder scratch_;
    const Bytes old_ = bytesOf("the previous export, which must survive a failed save");
};

TEST_F(AtomicSaveTest, SaveAsReplacesAnExistingWorkbookCompletely) {
    const Path target = scratch_.writeFile(u"Zahrada u domu.xls", old_);
    ASSERT_EQ(saveAs(target), xls::SaveResult::Saved);
    const Bytes saved = system_->readFile(target);
    EXPECT_EQ(saved, savedInMemory());  // the file holds what the writer made
    EXPECT_EQ(saved.size() % 512, 0u);
    EXPECT_EQ(names(), std::vector<Path>{u"Zahrada u domu.xls"});
    // The handle is closed: the file can be opened exclusively at once.
    const HANDLE exclusive = ::CreateFileW(wide(target).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(exclusive, INVALID_HANDLE_VALUE);
    ::CloseHandle(exclusive);
}

TEST_F(AtomicSaveTest, AWorkbookHeldOpenElsewhereStaysAsItWas) {
    const Path target = scratch_.writeFile(u"Rodinný dům Říčany.xls", old_);
    const HeldOpen spreadsheetProgram(target);
    ASSERT_TRUE(spreadsheetProgram.held());
    EXPECT_EQ(saveAs(target), xls::SaveResult::FileInUse);
    xls::TXLSWorkbook workbook;
    EXPECT_EQ(workbook.SaveAs(target), -2);
    EXPECT_EQ(system_->readFile(target), old_);
    EXPECT_EQ(names(), std::vector<Path>{u"Rodinný dům Říčany.xls"});
}

TEST_F(AtomicSaveTest, AReadOnlyWorkbookStaysAsItWas) {
    const Path target = scratch_.writeFile(u"chráněný.xls", old_);
    ASSERT_TRUE(::SetFileAttributesW(wide(target).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(saveAs(target), xls::SaveResult::ReadOnlyFile);
    EXPECT_EQ(system_->readFile(target), old_);
    EXPECT_EQ(names(), std::vector<Path>{u"chráněný.xls"});
}

TEST_F(AtomicSaveTest, AMissingFolderOrABlankNameCreatesNothing) {
    EXPECT_EQ(saveAs(scratch_ / u"chybí\\a.xls"), xls::SaveResult::FolderMissing);
    EXPECT_EQ(saveAs(u" \t "), xls::SaveResult::BlankName);
    EXPECT_TRUE(names().empty());
}

TEST_F(AtomicSaveTest, PlatformWritesReplaceAndFailedOnesKeepTheOldFile) {
    const Path target = scratch_.writeFile(u"Základní ceník.lst", old_);
    system_->writeFileAtomically(target, bytesOf("[End]"));
    EXPECT_EQ(system_->readFile(target), bytesOf("[End]"));
    {
        const HeldOpen reader(target);
        ASSERT_TRUE(reader.held());
        EXPECT_THROW(system_->writeFileAtomically(target, old_), platform::IoError);
    }
    EXPECT_EQ(system_->readFile(target), bytesOf("[End]"));
    EXPECT_EQ(names(), std::vector<Path>{u"Základní ceník.lst"});
}

}  // namespace
}  // namespace ek::test
