// Faults of the real file system while material lists and price lists are
// read and written: files that vanish or cannot be read, things that are not
// files (folders, pipes, devices), folders replaced by files, a disk that
// fills up, a rename that fails. Each shows its message without hanging,
// leaves the old file as it was and no temporary file behind, and the next
// good operation works.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "calc/error.h"
#include "robustness/file_modes.h"
#include "robustness/real_folder.h"
#include "robustness/real_session.h"
#include "support/sample_files.h"

namespace ek::test {
namespace {

namespace fs = std::filesystem;

const platform::Bytes kWorkedExample = utf16File(workedExampleText());

class FileFaults : public ::testing::Test {
  protected:
    void expectUsable() {
        EXPECT_EQ(session.read("Dobrý.txt", kWorkedExample), "");
        EXPECT_EQ(session.state.INF_celkem, u"1373000");
        EXPECT_TRUE(session.state.Button15Enabled);
    }
    void expectStopped(const std::string& message, const std::string& wanted) {
        EXPECT_EQ(message, wanted);
        EXPECT_TRUE(session.state.ListBox1.empty());
        EXPECT_FALSE(session.state.Button15Enabled);
        EXPECT_EQ(session.state.INF_celkova_cena, u"0,00");
    }
    fs::path project() const { return session.materialLists() / "Projekt.txt"; }
    // The message that names `file` and says what failed and why.
    static std::string failure(const fs::path& file, const std::string& what) {
        return "Soubor \"" + file.string() + "\" " + what;
    }

    RealSession session;
};

TEST_F(FileFaults, MaterialListDeletedBetweenListingAndReading) {
    session.pick("Projekt.txt", kWorkedExample);
    fs::remove(project());
    expectStopped(session.read(),
                  failure(project(), "nelze přečíst: soubor nebo jeho složka neexistuje."));
    expectUsable();
}

TEST_F(FileFaults, MaterialListReplacedByAFolderBetweenListingAndReading) {
    session.pick("Projekt.txt", kWorkedExample);
    fs::remove(project());
    fs::create_directory(project());
    expectStopped(session.read(), failure(project(), "nelze přečíst: je to složka, ne soubor."));
    expectUsable();
}

TEST_F(FileFaults, MaterialListWithoutReadPermission) {
    const ModesEnforced modes;
    if (!modes.active())
        GTEST_SKIP() << "file modes cannot be made to bind (the fake platform covers it)";
    session.pick("Projekt.txt", kWorkedExample);
    fs::permissions(project(), fs::perms::none);
    expectStopped(session.read(), failure(project(), "nelze přečíst: přístup byl odepřen."));
    expectUsable();
}

// A pipe would block the reading for ever and a device would fill the memory.
TEST_F(FileFaults, PipesAndDevicesNamedLikeMaterialListsAreNotRead) {
    ASSERT_EQ(::mkfifo((session.materialLists() / "Roura.txt").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", session.materialLists() / "Nuly.txt");
    for (const std::string name : {"Roura.txt", "Nuly.txt"}) {
        SCOPED_TRACE(name);
        session.state.Nastavit();
        session.state.FileListBox1.itemIndex =
            RealSession::indexOf(session.state.FileListBox1, name);
        ASSERT_GE(session.state.FileListBox1.itemIndex, 0);
        expectStopped(session.read(), failure(session.materialLists() / name,
                                              "nelze přečíst: není to obyčejný soubor."));
    }
    expectUsable();
}

TEST_F(FileFaults, MaterialListFolderReplacedByAFile) {
    fs::remove_all(session.materialLists());
    writeBytes(session.materialLists(), {'x'});
    session.messages.clear();
    session.state.Nastavit();
    EXPECT_EQ(session.messages,
              std::vector<std::u16string>{u"Složka se seznamem kalkulací nebyla nalezena"});
    EXPECT_EQ(session.read(), "V seznamu souborů není vybrán žádný soubor.");
    fs::remove(session.materialLists());
    fs::create_directory(session.materialLists());
    expectUsable();
}

class PriceListWriteFaults : public FileFaults {
  protected:
    void SetUp() override {
        session.state.StringGrid8.setRowCount(2);
        session.state.StringGrid8.setCell(1, 1, u"Rostliny");
        session.state.StringGrid8.setCell(2, 1, u"Javor mléč");
        session.state.StringGrid8.setCell(3, 1, u"1 250,00");
        session.state.ZaznamNovehoCeniku();
        before = readBytes(written());
        ASSERT_FALSE(before.empty());
        session.state.StringGrid8.setCell(2, 1, u"Lípa srdčitá");
    }
    fs::path written() const { return session.priceLists() / "test.lst"; }
    std::string writeError() {
        try {
            session.state.ZaznamNovehoCeniku();
        } catch (const calc::CalcError& error) {
            return error.what();
        }
        return {};
    }
    void expectOldFileAlone() {
        EXPECT_EQ(readBytes(written()), before);
        EXPECT_EQ(entriesOf(session.priceLists()), std::set<std::string>{"test.lst"});
    }

    platform::Bytes before;
};

TEST_F(PriceListWriteFaults, DiskFullAtEveryPointLeavesTheOldFile) {
    for (std::size_t limit = 0; limit < before.size(); ++limit) {
        SCOPED_TRACE(limit);
        std::string message;
        {
            const FileSizeLimit full(limit);
            message = writeError();
        }
        EXPECT_EQ(message, failure(written(),
                                   "nelze uložit: soubor by přesáhl největší velikost, "
                                   "kterou systém dovolí."));
        expectOldFileAlone();
    }
    EXPECT_EQ(writeError(), "");
    EXPECT_NE(readBytes(written()), before);
}

TEST_F(PriceListWriteFaults, RenameOverAFolderFailsAndLeavesNoTemporaryFile) {
    session.state.Edit12 = u"složka";
    fs::create_directories(session.priceLists() / "složka.lst" / "uvnitř");
    EXPECT_NE(writeError(), "");
    EXPECT_TRUE(fs::is_directory(session.priceLists() / "složka.lst" / "uvnitř"));
    EXPECT_EQ(entriesOf(session.priceLists()), (std::set<std::string>{"složka.lst", "test.lst"}));
    session.state.Edit12 = u"test";
    EXPECT_EQ(writeError(), "");
}

TEST_F(PriceListWriteFaults, MissingOrReadOnlyFolder) {
    const fs::path folder = session.priceLists();
    fs::rename(folder, folder.string() + "-jinde");
    const std::string missing =
        failure(written(), "nelze uložit: soubor nebo jeho složka neexistuje.");
    EXPECT_EQ(writeError(), missing);
    writeBytes(folder, {'x'});  // the folder became a file
    EXPECT_EQ(writeError(), missing);
    fs::remove(folder);
    fs::rename(folder.string() + "-jinde", folder);
    expectOldFileAlone();

    if (const ModesEnforced modes; modes.active()) {
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(writeError(), failure(written(), "nelze uložit: přístup byl odepřen."));
        fs::permissions(folder, fs::perms::owner_all);
        expectOldFileAlone();
    }
    EXPECT_EQ(writeError(), "");
}

}  // namespace
}  // namespace ek::test
