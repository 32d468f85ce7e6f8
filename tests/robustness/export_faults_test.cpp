// Faults of the real file system around "Export XLS" and the OpenOffice
// hand-off: a disk that fills up at any point of the save, a write that fails
// after any number of bytes, a failing rename, an export folder that is
// missing, became a file or is read-only, a read-only earlier workbook or
// OpenOffice copy, an earlier copy that cannot be deleted, a copy that cannot
// be made or is cut short, a missing or broken OpenOffice program. Each
// shows its message, keeps the previous workbook byte for byte, leaves no
// temporary file, and the next export works. File modes bind even when the
// tests run as root.

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
#include "robustness/file_modes.h"
#include "robustness/real_folder.h"
#include "robustness/real_session.h"
#include "support/faulty_file_system.h"
#include "support/sample_files.h"
#include "xls/io/file_system.h"
#include "xls/io/save_as.h"
#include "xls/model/workbook.h"

namespace ek::test {
namespace {

namespace fs = std::filesystem;

const std::string kName = "Zahrada u domu";

std::string samplesText(const std::string& file) {
    const platform::Bytes bytes =
        readBytes(fs::path(EK_SOURCE_DIR) / "samples/Documents/Verdigo 2016/Material Lists" / file);
    return std::string(bytes.begin(), bytes.end());
}

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
    std::u16string saveFailedMessage(std::u16string_view reason) const {
        return u"Soubor \"" + exporter::exportPath(session.state) + u"\" se nepodařilo uložit: " +
               std::u16string(reason) + u".";
    }
    // The bytes the current state exports.
    std::vector<std::uint8_t> exportBytes() {
        xls::TXLSWorkbook workbook;
        exporter::buildWorkbook(workbook, session.state);
        std::vector<std::uint8_t> bytes;
        EXPECT_EQ(xls::SaveToMemory(workbook, bytes), xls::SaveResult::Saved);
        return bytes;
    }
    // A failed "Export XLS": its message with the reason, the hand-off off,
    // the previous workbook as it was, nothing else in the folder.
    void expectFailedExport(std::u16string_view reason) {
        EXPECT_FALSE(exporter.Button15Click());
        EXPECT_EQ(session.messages, std::vector<std::u16string>{saveFailedMessage(reason)});
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
        expectFailedExport(u"soubor by byl větší, než systém dovoluje");
    }
    expectUsable();
}

// A material list of `count` garden objects.
platform::Bytes gardenObjects(int count) {
    std::u16string text = u"Projekt\r\nOstatní objekty zahrady\r\n";
    for (int item = 1; item <= count; ++item) {
        text +=
            u"Objekt " + platform::fromUtf8(std::to_string(item)) + u"\t1\t1,00 Kč\t1,00 Kč\r\n";
    }
    return utf16File(text + u"Konec\r\n");
}

// Numbers of bytes after which a write fails: just before, at and after the
// end of every write the save makes, and spread over the whole file.
std::set<std::uint64_t> failurePoints(const std::vector<std::size_t>& writes) {
    std::set<std::uint64_t> points;
    std::uint64_t end = 0;
    for (const std::size_t write : writes) {
        points.insert({end == 0 ? 0 : end - 1, end, end + 1});
        end += write;
    }
    for (std::uint64_t point = 0; point < end; point += end / 40)
        points.insert(point);
    points.erase(points.lower_bound(end), points.end());  // all written: no failure
    return points;
}

TEST_F(ExportFaults, WriteFailingAfterAnyNumberOfBytesKeepsThePreviousWorkbook) {
    // Large enough to be written in several pieces.
    ASSERT_EQ(session.read(kName + ".txt", gardenObjects(1500)), "");
    const std::u16string path = exporter::exportPath(session.state);
    // One workbook saved again and again: building it would take most of the time.
    xls::TXLSWorkbook workbook;
    exporter::buildWorkbook(workbook, session.state);
    const auto saveWith = [&](FaultyFileSystem& failing) {
        return xls::SaveAs(workbook, path, failing);
    };
    FaultyFileSystem measuring;
    measuring.moveFailure = xls::SaveResult::WriteFailed;
    ASSERT_EQ(saveWith(measuring), xls::SaveResult::WriteFailed);
    ASSERT_GE(measuring.writes.size(), 4u);
    for (const std::uint64_t budget : failurePoints(measuring.writes)) {
        SCOPED_TRACE(budget);
        FaultyFileSystem failing;
        failing.writeBudget = budget;
        EXPECT_EQ(saveWith(failing), xls::SaveResult::NoSpace);
        expectPreviousWorkbook();
    }
    expectUsable();
}

TEST_F(ExportFaults, FailingFlushOrRenameOfTheExportKeepsThePreviousWorkbook) {
    const std::u16string path = exporter::exportPath(session.state);
    for (const xls::SaveResult reason :
         {xls::SaveResult::WriteFailed, xls::SaveResult::FileInUse}) {
        xls::TXLSWorkbook workbook;
        exporter::buildWorkbook(workbook, session.state);
        FaultyFileSystem failing;
        failing.moveFailure = reason;
        EXPECT_EQ(xls::SaveAs(workbook, path, failing), reason);
        expectPreviousWorkbook();
    }
    expectUsable();
}

TEST_F(ExportFaults, MissingExportFolderOrOneThatBecameAFile) {
    const fs::path folder = session.materialLists();
    const fs::path aside = folder.string() + " (jinde)";
    fs::rename(folder, aside);
    EXPECT_FALSE(exporter.Button15Click());
    EXPECT_EQ(session.messages,
              std::vector<std::u16string>{saveFailedMessage(u"složka neexistuje")});
    EXPECT_FALSE(fs::exists(folder));

    writeBytes(folder, {'x'});
    session.messages.clear();
    EXPECT_FALSE(exporter.Button15Click());
    EXPECT_EQ(session.messages,
              std::vector<std::u16string>{saveFailedMessage(u"složka neexistuje")});
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
    EXPECT_EQ(session.messages,
              std::vector<std::u16string>{saveFailedMessage(u"pod tímto názvem je složka")});
    EXPECT_TRUE(fs::is_directory(workbookFile() / "uvnitř"));
    EXPECT_EQ(entriesOf(session.materialLists()),
              (std::set<std::string>{kName + ".txt", kName + ".xls"}));
}

TEST_F(ExportFaults, ReadOnlyExportFolderOrPreviousWorkbook) {
    const ModesEnforced modes;
    if (!modes.active())
        GTEST_SKIP() << "file modes cannot be made to bind";
    const fs::path folder = session.materialLists();
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    expectFailedExport(u"chybí oprávnění k zápisu do složky");
    fs::permissions(folder, fs::perms::owner_all);

    fs::permissions(workbookFile(), fs::perms::owner_read);
    expectFailedExport(u"soubor je jen pro čtení");
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
        previous = readBytes(workbookFile());
        session.messages.clear();
    }
    // The copy lands in the current directory, the folder a file list entered last.
    fs::path copyFile() const {
        return fs::current_path() / platform::toUtf8(exporter::copyPath(session.state));
    }
    std::u16string copyFailedMessage() const {
        return u"Soubor \"" + exporter::copyPath(session.state) + u"\" se nepodařilo zkopírovat.";
    }
    // What the copy's folder holds besides the copy itself: no temporary file.
    std::set<std::string> besideTheCopy() const {
        std::set<std::string> names = entriesOf(copyFile().parent_path());
        names.erase(copyFile().filename().string());
        return names;
    }
    const platform::Bytes earlierCopy{'s', 't', 'a', 'r', 'a'};
};

TEST_F(OpenOfficeFaults, ReadOnlyEarlierCopyIsReplaced) {
    useProgram("/bin/true");
    const std::set<std::string> others = besideTheCopy();
    writeBytes(copyFile(), earlierCopy);
    fs::permissions(copyFile(), fs::perms::owner_read);
    const ModesEnforced modes;  // a read-only copy is read-only for root as well
    exporter.Button14Click();
    EXPECT_TRUE(session.messages.empty());
    EXPECT_EQ(readBytes(copyFile()), readBytes(workbookFile()));
    EXPECT_EQ(besideTheCopy(), others);
}

TEST_F(OpenOfficeFaults, EarlierCopyThatCannotBeDeletedStopsWithTheInputOutputError) {
    const ModesEnforced modes;
    if (!modes.active())
        GTEST_SKIP() << "file modes cannot be made to bind";
    useProgram("/bin/true");
    writeBytes(copyFile(), earlierCopy);
    const fs::path folder = copyFile().parent_path();
    const std::set<std::string> before = entriesOf(folder);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    std::string error;
    try {
        exporter.Button14Click();
    } catch (const platform::IoError& raised) {
        error = raised.what();
    }
    fs::permissions(folder, fs::perms::owner_all);
    // The copy is named as the export names it: beside the start directory.
    EXPECT_EQ(error, "Soubor \"" + copyFile().filename().string() +
                         "\" nelze smazat: přístup byl odepřen.");
    EXPECT_TRUE(session.messages.empty());
    EXPECT_EQ(readBytes(copyFile()), earlierCopy);
    EXPECT_EQ(entriesOf(folder), before);
    EXPECT_EQ(readBytes(workbookFile()), previous);
    exporter.Button14Click();
    EXPECT_EQ(readBytes(copyFile()), readBytes(workbookFile()));
}

// A copy cut short would open as a damaged workbook: it is not left there.
TEST_F(OpenOfficeFaults, CopyOnAFullDiskLeavesNoPartOfItBehind) {
    useProgram("/bin/true");
    const std::set<std::string> others = besideTheCopy();
    const std::uint64_t size = readBytes(workbookFile()).size();
    for (const std::uint64_t limit :
         {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{4096}, size / 2, size - 1}) {
        SCOPED_TRACE(limit);
        writeBytes(copyFile(), earlierCopy);
        {
            const FileSizeLimit full(limit);
            exporter.Button17Click();  // copies over the earlier copy
        }
        EXPECT_EQ(session.messages, std::vector<std::u16string>{copyFailedMessage()});
        EXPECT_EQ(readBytes(copyFile()), earlierCopy);
        {
            const FileSizeLimit full(limit);
            exporter.Button14Click();  // deletes the earlier copy first
        }
        EXPECT_EQ(session.messages,
                  (std::vector<std::u16string>{copyFailedMessage(), copyFailedMessage()}));
        EXPECT_FALSE(fs::exists(copyFile()));
        EXPECT_EQ(besideTheCopy(), others);
        session.messages.clear();
        EXPECT_EQ(readBytes(workbookFile()), previous);
    }
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
    EXPECT_EQ(readBytes(copyFile()), readBytes(workbookFile()));  // made before the check
    session.messages.clear();

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
