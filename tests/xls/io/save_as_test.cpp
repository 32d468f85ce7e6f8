#include "xls/io/save_as.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "support/biff_stream.h"
#include "support/cfb_reader.h"
#include "support/faulty_file_system.h"
#include "xls/io/file_system.h"
#include "xls/model/workbook.h"

namespace {

namespace fs = std::filesystem;
using ek::test::FaultyFileSystem;
using xls::SaveResult;
using xls::TXLSWorkbook;
using xls::Variant;

std::u16string wide(const std::string& path) {
    return {path.begin(), path.end()};
}

std::vector<std::uint8_t> readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAll(const fs::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::set<std::string> listing(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

void fill(TXLSWorkbook& workbook) {
    xls::IXLSWorksheet& sheet = workbook.Worksheets().Add();
    sheet.SetName(u"Kalkulace rostlin");
    sheet.Range(1, 1, 400, 5).SetValue(Variant(u"obsah \u010Dl\u00E1nku"));
    sheet.Range(1, 1, 1, 5).Merge();
}

class SaveAsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("xlsbiff-saveas-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }
    fs::path folder_;
};

TEST_F(SaveAsTest, ABlankNameCreatesNothing) {
    for (const std::u16string name : {u"", u" ", u"  \t\r\n ", u"\x01\x1F\x7F  "}) {
        TXLSWorkbook workbook;
        fill(workbook);
        EXPECT_EQ(xls::SaveAs(workbook, name), SaveResult::BlankName);
        EXPECT_EQ(workbook.SaveAs(name), -1);
        EXPECT_TRUE(workbook.SaveState().fileName.empty());
        EXPECT_TRUE(workbook.SaveState().fileClosed);
    }
    EXPECT_TRUE(listing(folder_).empty());
}

TEST_F(SaveAsTest, SavesACompoundFileWithTheWorkbookStreamOnly) {
    TXLSWorkbook workbook;
    fill(workbook);
    const fs::path target = folder_ / "kalkulace.xls";
    ASSERT_EQ(xls::SaveAs(workbook, wide(target.string())), SaveResult::Saved);
    EXPECT_EQ(listing(folder_), std::set<std::string>{"kalkulace.xls"});
    EXPECT_EQ(workbook.SaveState().fileName, wide(target.string()));
    EXPECT_TRUE(workbook.SaveState().fileClosed);

    const cfb::File file = cfb::readFile(target.string());
    ASSERT_EQ(file.streams.size(), 1u);
    const std::vector<std::uint8_t>& stream = file.streams.at(u"Workbook");
    EXPECT_EQ(stream, biff::saveStream(workbook));
    const biff::ParsedWorkbook book = biff::parse(stream);
    EXPECT_EQ(book.sheets.at(0).name, u"Kalkulace rostlin");
}

TEST_F(SaveAsTest, TheNameIsUsedUntrimmed) {
    TXLSWorkbook workbook;
    fill(workbook);
    const std::string name = " padded.xls ";
    ASSERT_EQ(xls::SaveAs(workbook, wide((folder_ / name).string())), SaveResult::Saved);
#ifdef _WIN32
    // Windows drops trailing blanks from every file name it is given.
    EXPECT_EQ(listing(folder_), std::set<std::string>{" padded.xls"});
#else
    EXPECT_EQ(listing(folder_), std::set<std::string>{name});
#endif
}

TEST_F(SaveAsTest, ReplacesAnExistingFileCompletely) {
    const fs::path target = folder_ / "old.xls";
    writeAll(target, std::string(100000, 'o'));
    TXLSWorkbook workbook;
    fill(workbook);
    ASSERT_EQ(xls::SaveAs(workbook, wide(target.string())), SaveResult::Saved);
    std::vector<std::uint8_t> expected;
    ASSERT_EQ(xls::SaveToMemory(workbook, expected), SaveResult::Saved);
    EXPECT_EQ(readAll(target), expected);
    EXPECT_EQ(listing(folder_), std::set<std::string>{"old.xls"});
}

TEST_F(SaveAsTest, AFolderThatCannotHoldTheFileIsMissing) {
    writeAll(folder_ / "plain-file", "x");
    const fs::path places[] = {folder_ / "missing" / "a.xls", folder_ / "plain-file" / "a.xls"};
    for (const fs::path& place : places) {
        TXLSWorkbook workbook;
        fill(workbook);
        EXPECT_EQ(xls::SaveAs(workbook, wide(place.string())), SaveResult::FolderMissing) << place;
        EXPECT_EQ(workbook.SaveAs(wide(place.string())), -2);
        EXPECT_TRUE(workbook.SaveState().fileName.empty());
    }
    EXPECT_EQ(listing(folder_), std::set<std::string>{"plain-file"});
}

TEST_F(SaveAsTest, AFolderWithoutWriteRightsHasNoPermission) {
#ifdef _WIN32
    GTEST_SKIP() << "folder modes mean nothing to Windows";
#else
    if (::geteuid() == 0) {
        GTEST_SKIP() << "running as root: file modes do not stop writes";
    }
#endif
    const fs::path locked = folder_ / "locked";
    fs::create_directories(locked);
    writeAll(locked / "old.xls", "old content");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    TXLSWorkbook workbook;
    fill(workbook);
    EXPECT_EQ(xls::SaveAs(workbook, wide((locked / "old.xls").string())), SaveResult::NoPermission);
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(readAll(locked / "old.xls"),
              std::vector<std::uint8_t>({'o', 'l', 'd', ' ', 'c', 'o', 'n', 't', 'e', 'n', 't'}));
}

TEST_F(SaveAsTest, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const fs::path target = folder_ / "export.xls";
    const std::string old = "the previous export";
    TXLSWorkbook workbook;
    fill(workbook);
    std::vector<std::uint8_t> complete;
    ASSERT_EQ(xls::SaveToMemory(workbook, complete), SaveResult::Saved);
    for (const std::size_t limit :
         {std::size_t{0}, std::size_t{1}, std::size_t{511}, std::size_t{512}, std::size_t{4096},
          std::size_t{9000}, complete.size() / 2, complete.size() - 1}) {
        writeAll(target, old);
        FaultyFileSystem faulty;
        faulty.writeBudget = limit;
        faulty.writeFailure = SaveResult::FileTooLarge;
        EXPECT_EQ(xls::SaveAs(workbook, wide(target.string()), faulty), SaveResult::FileTooLarge)
            << limit;
        EXPECT_EQ(readAll(target), std::vector<std::uint8_t>(old.begin(), old.end())) << limit;
        EXPECT_EQ(listing(folder_), std::set<std::string>{"export.xls"}) << limit;
        EXPECT_TRUE(workbook.SaveState().fileClosed);
    }
    FaultyFileSystem enough;
    enough.writeBudget = complete.size();
    EXPECT_EQ(xls::SaveAs(workbook, wide(target.string()), enough), SaveResult::Saved);
    EXPECT_EQ(readAll(target), complete);
}

// Every failure of the last step keeps the old file; its reason is the result,
// and the automation-style code tells a failed write (-1) from a file that
// could not be put in place (-2).
TEST_F(SaveAsTest, AFailedFlushOrMoveKeepsTheOldFile) {
    const fs::path target = folder_ / "export.xls";
    for (const auto& [reason, code] :
         {std::pair{SaveResult::WriteFailed, -1}, std::pair{SaveResult::NoSpace, -1},
          std::pair{SaveResult::FileInUse, -2}, std::pair{SaveResult::CannotCreate, -2}}) {
        writeAll(target, "old");
        TXLSWorkbook workbook;
        fill(workbook);
        FaultyFileSystem faulty;
        faulty.moveFailure = reason;
        const SaveResult result = xls::SaveAs(workbook, wide(target.string()), faulty);
        EXPECT_EQ(result, reason);
        EXPECT_EQ(xls::saveAsCode(result), code);
        EXPECT_EQ(readAll(target), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
        EXPECT_EQ(listing(folder_), std::set<std::string>{"export.xls"});
    }
}

TEST(SaveToMemory, AppendsTheSameBytesEveryTime) {
    TXLSWorkbook workbook;
    fill(workbook);
    std::vector<std::uint8_t> first{0xAA, 0xBB};
    ASSERT_EQ(xls::SaveToMemory(workbook, first), SaveResult::Saved);
    EXPECT_EQ(first[0], 0xAA);
    const std::vector<std::uint8_t> file(first.begin() + 2, first.end());
    std::vector<std::uint8_t> second;
    ASSERT_EQ(xls::SaveToMemory(workbook, second), SaveResult::Saved);
    EXPECT_EQ(second, file);
    const cfb::File parsed = cfb::read(file);
    EXPECT_EQ(parsed.streams.at(u"Workbook").size() % 512, 0u);
}

TEST(SaveToMemory, AWorkbookWithoutSheetsGetsOneEmptySheetInAMiniStream) {
    TXLSWorkbook workbook;
    std::vector<std::uint8_t> bytes;
    ASSERT_EQ(xls::SaveToMemory(workbook, bytes), SaveResult::Saved);
    const cfb::File parsed = cfb::read(bytes);
    const auto& stream = parsed.streams.at(u"Workbook");
    EXPECT_LT(stream.size(), 4096u);
    EXPECT_EQ(biff::parse(stream).sheets.at(0).name, u"Sheet1");
}

}  // namespace
