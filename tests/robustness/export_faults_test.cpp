// Faults of the real file system around "Export XLS" and the OpenOffice
// hand-off: a disk that fills up at any point of the save, a failing rename,
// an export folder that is missing, became a file or is read-only, a
// read-only earlier workbook or OpenOffice copy, a copy that cannot be made,
// a missing or broken OpenOffice program. Each shows its message, keeps the
// previous workbook byte for byte, leaves no temporary file, and the next
// export works.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "export/export.h"
#include "export/export_paths.h"
#include "export/generovat_tabulku.h"
#include "platform/automation.h"
#include "platform/unicode.h"
#include "robustness/real_folder.h"
#include "robustness/real_session.h"
#include "support/sample_files.h"
#include "xls/file_system.h"
#include "xls/save_as.h"
#include "xls/workbook.h"

namespace ek::test {
namespace {

namespace fs = std::filesystem;

const std::string kName = "Zahrada u domu";

std::string samplesText(const std::string& file) {
    const platform::Bytes bytes =
        readBytes(fs::path(EK_SOURCE_DIR) / "samples/Documents/Verdigo 2016/Material Lists" / file);
    return std::string(bytes.begin(), bytes.end());
}

// The file system of the machine, with one call made to fail: the write
// after `writeBudget` bytes, the flush, or the rename.
class FailingFileSystem final : public xls::FileSystem {
  public:
    std::uint64_t writeBudget = UINT64_MAX;
    bool failFlush = false;
    bool failReplace = false;

    Created createNew(const std::u16string& path) override {
        Created created = native_.createNew(path);
        if (created.file)
            created.file = std::make_unique<File>(std::move(created.file), *this);
        return created;
    }
    bool mayReplace(const std::u16string& path) override { return native_.mayReplace(path); }
    bool replace(const std::u16string& from, const std::u16string& to) override {
        return !failReplace && native_.replace(from, to);
    }
    bool remove(const std::u16string& path) override { return native_.remove(path); }
    std::uint32_t processId() override { return native_.processId(); }

  private:
    class File final : public xls::WritableFile {
      public:
        File(std::unique_ptr<xls::WritableFile> file, FailingFileSystem& owner)
            : file_(std::move(file)), owner_(owner) {}
        bool writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
            if (bytes.size() > owner_.writeBudget) {
                file_->writeAt(offset, bytes.first(owner_.writeBudget));
                owner_.writeBudget = 0;
                return false;
            }
            owner_.writeBudget -= bytes.size();
            return file_->writeAt(offset, bytes);
        }
        bool flushAndClose() override { return file_->flushAndClose() && !owner_.failFlush; }

      private:
        std::unique_ptr<xls::WritableFile> file_;
        FailingFileSystem& owner_;
    };

    xls::FileSystem& native_ = xls::nativeFileSystem();
};

class ExportFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(session.read(kName + ".txt", utf16File(workedExampleText())), "");
        ASSERT_TRUE(exporter.Button15Click());
        previous = readBytes(workbookFile());
        // The next export has more to write than the previous one.
        const std::string larger = samplesText("Rodinný dům Říčany.txt");
        ASSERT_EQ(session.read(kName + ".txt", platform::Bytes(larger.begin(), larger.end())), "");
        session.messages.clear();
    }

    fs::path workbookFile() const { return session.materialLists() / (kName + ".xls"); }
    std::u16string saveFailedMessage() const {
        return u"Soubor \"" + exporter::exportPath(session.state) + u"\" se nepodařilo uložit.";
    }
    // The bytes the current state exports.
    std::vector<std::uint8_t> exportBytes() {
        xls::TXLSWorkbook workbook;
        exporter::buildWorkbook(workbook, session.state);
        std::vector<std::uint8_t> bytes;
        EXPECT_EQ(xls::SaveToMemory(workbook, bytes), xls::kSaveAsSucceeded);
        return bytes;
    }
    // A failed "Export XLS": its message, the hand-off off, the previous
    // workbook as it was, nothing else in the folder.
    void expectFailedExport() {
        EXPECT_FALSE(exporter.Button15Click());
        EXPECT_EQ(session.messages, std::vector<std::u16string>{saveFailedMessage()});
        session.messages.clear();
        EXPECT_FALSE(session.state.Button16Enabled);
        EXPECT_FALSE(session.state.Button14Enabled);
        expectPreviousWorkbook();
    }
    void expectPreviousWorkbook() {
        EXPECT_EQ(readBytes(workbookFile()), previous);
        EXPECT_EQ(entriesOf(session.materialLists()),
                  (std::set<std::string>{kName + ".txt", kName + ".xls"}));
    }
    void expectUsable() {
        const std::vector<std::uint8_t> wanted = exportBytes();
        EXPECT_TRUE(exporter.Button15Click());
        EXPECT_TRUE(session.messages.empty());
        EXPECT_TRUE(session.state.Button16Enabled);
        EXPECT_EQ(readBytes(workbookFile()), wanted);
    }

    RealSession session;
    platform::Automation automation;
    exporter::Export exporter{session.state, automation};
    platform::Bytes previous;
};

TEST_F(ExportFaults, DiskFullAtAnyPointOfTheSaveKeepsThePreviousWorkbook) {
    const std::uint64_t size = exportBytes().size();
    ASSERT_GT(size, previous.size());
    for (const std::uint64_t limit :
         {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{511}, std::uint64_t{512},
          std::uint64_t{4096}, size / 3, previous.size(), size / 2, size - 512, size - 1}) {
        SCOPED_TRACE(limit);
        const FileSizeLimit full(limit);
        expectFailedExport();
    }
    expectUsable();
}

TEST_F(ExportFaults, FailingWriteFlushOrRenameOfTheExportKeepsThePreviousWorkbook) {
    const std::uint64_t size = exportBytes().size();
    const std::u16string path = exporter::exportPath(session.state);
    for (std::uint64_t budget = 0; budget < size; budget += 1000) {
        SCOPED_TRACE(budget);
        xls::TXLSWorkbook workbook;
        exporter::buildWorkbook(workbook, session.state);
        FailingFileSystem failing;
        failing.writeBudget = budget;
        EXPECT_EQ(xls::SaveAs(workbook, path, failing), xls::kSaveAsFailed);
        expectPreviousWorkbook();
    }
    for (const bool flush : {true, false}) {
        xls::TXLSWorkbook workbook;
        exporter::buildWorkbook(workbook, session.state);
        FailingFileSystem failing;
        failing.failFlush = flush;
        failing.failReplace = !flush;
        EXPECT_EQ(xls::SaveAs(workbook, path, failing),
                  flush ? xls::kSaveAsFailed : xls::kSaveAsCannotCreate);
        expectPreviousWorkbook();
    }
    expectUsable();
}

TEST_F(ExportFaults, MissingExportFolderOrOneThatBecameAFile) {
    const fs::path folder = session.materialLists();
    const fs::path aside = folder.string() + " (jinde)";
    fs::rename(folder, aside);
    EXPECT_FALSE(exporter.Button15Click());
    EXPECT_EQ(session.messages, std::vector<std::u16string>{saveFailedMessage()});
    EXPECT_FALSE(fs::exists(folder));

    writeBytes(folder, {'x'});
    session.messages.clear();
    EXPECT_FALSE(exporter.Button15Click());
    EXPECT_EQ(session.messages, std::vector<std::u16string>{saveFailedMessage()});
    EXPECT_EQ(readBytes(folder), platform::Bytes{'x'});

    fs::remove(folder);
    fs::rename(aside, folder);
    session.messages.clear();
    expectPreviousWorkbook();
    expectUsable();
}

TEST_F(ExportFaults, ExportWhoseNameIsTakenByAFolder) {
    fs::remove(workbookFile());
    fs::create_directories(workbookFile() / "uvnitř");
    EXPECT_FALSE(exporter.Button15Click());
    EXPECT_EQ(session.messages, std::vector<std::u16string>{saveFailedMessage()});
    EXPECT_TRUE(fs::is_directory(workbookFile() / "uvnitř"));
    EXPECT_EQ(entriesOf(session.materialLists()),
              (std::set<std::string>{kName + ".txt", kName + ".xls"}));
}

TEST_F(ExportFaults, ReadOnlyExportFolderOrPreviousWorkbook) {
    if (runningAsRoot())
        GTEST_SKIP() << "root writes whatever the modes say";
    const fs::path folder = session.materialLists();
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    expectFailedExport();
    fs::permissions(folder, fs::perms::owner_all);

    fs::permissions(workbookFile(), fs::perms::owner_read);
    expectFailedExport();
    fs::permissions(workbookFile(), fs::perms::owner_read | fs::perms::owner_write);
    expectUsable();
}

class OpenOfficeFaults : public ExportFaults {
  protected:
    // The OpenOffice program as the start directory's file names it.
    void useProgram(const fs::path& program) {
        const std::string path = program.string();
        writeBytes(session.startFolder() / "open_office_full_exe_name.txt",
                   platform::Bytes(path.begin(), path.end()));
        session.state.Nastavit();
        session.state.FileListBox1.itemIndex =
            RealSession::indexOf(session.state.FileListBox1, kName + ".txt");
        ASSERT_EQ(session.read(), "");
        ASSERT_TRUE(exporter.Button15Click());
        session.messages.clear();
    }
    // The copy lands in the current directory, the folder a file list entered last.
    fs::path copyFile() const {
        return fs::current_path() / platform::toUtf8(exporter::copyPath(session.state));
    }
};

TEST_F(OpenOfficeFaults, ReadOnlyEarlierCopyIsReplaced) {
    useProgram("/bin/true");
    writeBytes(copyFile(), {'s', 't', 'a', 'r', 'a'});
    fs::permissions(copyFile(), fs::perms::owner_read);
    exporter.Button14Click();
    EXPECT_TRUE(session.messages.empty());
    EXPECT_EQ(readBytes(copyFile()), readBytes(workbookFile()));
}

TEST_F(OpenOfficeFaults, MissingOrBrokenProgramIsReportedAndTheToolGoesOn) {
    useProgram(session.startFolder() / "není" / "soffice");
    exporter.Button14Click();
    EXPECT_EQ(session.messages,
              std::vector<std::u16string>{u"Tabulkový program OpenOffice v souboru "
                                          u"\"open_office_full_exe_name.txt\" neexistuje"});

    const fs::path notAProgram = session.startFolder() / "soffice";
    writeBytes(notAProgram, {'x'});  // not executable
    useProgram(notAProgram);
    exporter.Button14Click();
    EXPECT_EQ(session.messages,
              std::vector<std::u16string>{u"Tabulkový program OpenOffice se nepodařilo spustit."});
    EXPECT_EQ(readBytes(copyFile()), readBytes(workbookFile()));
    session.messages.clear();
    expectUsable();
}

TEST_F(OpenOfficeFaults, CopyThatCannotBeMadeIsReported) {
    useProgram("/bin/true");
    fs::create_directories(copyFile() / "uvnitř");
    exporter.Button14Click();
    EXPECT_EQ(session.messages,
              std::vector<std::u16string>{u"Soubor \"" + exporter::copyPath(session.state) +
                                          u"\" se nepodařilo zkopírovat."});
    EXPECT_TRUE(fs::is_directory(copyFile() / "uvnitř"));
    session.messages.clear();
    expectUsable();
}

}  // namespace
}  // namespace ek::test
