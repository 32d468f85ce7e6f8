// The command-line export: what it prints, its exit status, and that a
// failure leaves no workbook behind.

#include "app/cli_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "../export/scratch_folder.h"
#include "app/options.h"
#include "platform/unicode.h"
#include "support/fake_platform.h"
#include "support/host_folders.h"
#include "support/sample_files.h"

namespace ek::app {
namespace {

using namespace ek::test;
namespace fs = std::filesystem;

// The material list lies in a real scratch folder (the workbook is written
// there) that the fake platform shows too (the list is read from there).
class CliExport : public ::testing::Test {
  protected:
    CliExport() {
        addHostFolders(fake);
        folder = scratch.folderText();
        fake.addFile(folder + u"Zahrada u domu.txt", utf16File(workedExampleText()));
    }
    int run(const platform::Path& file, char16_t separator = u',', int mode = 2) {
        return runExport({file, mode}, fake, separator, out, errors);
    }
    bool nothingWritten() const { return fs::is_empty(scratch.path()); }

    ScratchFolder scratch;
    platform::Path folder;
    FakePlatform fake;
    std::ostringstream out;
    std::ostringstream errors;
};

TEST_F(CliExport, PrintsTheSheetsTotalsAndWorkbookOfTheWorkedExample) {
    ASSERT_EQ(run(folder + u"Zahrada u domu.txt"), 0) << errors.str();
    const std::string workbook = platform::toUtf8(folder) + "Zahrada u domu.xls";
    EXPECT_EQ(out.str(),
              "Kalkulace rostlin\t 3 750,00\n"
              "Kalkulace zahradních objektů\t 9 000,00\n"
              "Kalkulace symbolů projektu\t 0 980,00\n"
              "Celková cena projektu\t 13 730,00\n"
              "Uloženo\t" +
                  workbook + "\n");
    EXPECT_EQ(errors.str(), "");
    EXPECT_TRUE(fs::exists(fs::u8path(workbook)));
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(CliExport, FiguresFollowTheDecimalSeparatorGiven) {
    ASSERT_EQ(run(folder + u"Zahrada u domu.txt", u'.'), 0) << errors.str();
    EXPECT_NE(out.str().find("Kalkulace rostlin\t 3 750.00\n"), std::string::npos);
    EXPECT_NE(out.str().find("Celková cena projektu\t 13 730.00\n"), std::string::npos);
}

TEST_F(CliExport, ARelativeFileIsTakenFromTheCurrentDirectory) {
    fake.setCurrentDirectory(scratch.folderText());
    ASSERT_EQ(run(u"Zahrada u domu.txt"), 0) << errors.str();
    EXPECT_TRUE(fs::exists(scratch.path() / "Zahrada u domu.xls"));
}

TEST_F(CliExport, FailuresAreReportedAndWriteNothing) {
    fake.addFile(folder + u"Chybná.txt",
                 utf16File(u"P\r\nStavba\r\nZeď\t1\t1,00 Kč\tabc Kč\r\nKonec\r\n"));
    fake.addFile(folder + u"Dlouhá.txt",
                 utf16File(u"P\r\nStavba\r\n" + std::u16string(40000, u'z') +
                           u"\t1\t1,00 Kč\t1,00 Kč\r\nKonec\r\n"));
    fake.addFile(folder + u"Zahrada.csv", utf16File(workedExampleText()));
    fake.addDirectory(folder + u"Složka.txt");
    struct Case {
        platform::Path file;
        std::string error;     // on the error stream, after the file's quoted path
        std::u16string shown;  // shown through the platform
    };
    const Case cases[] = {
        {folder + u"Chybí.txt", " nelze přečíst: soubor nebo jeho složka neexistuje.\n", u""},
        {folder + u"Chybná.txt", ", řádek 3: cena celkem \"abc Kč\" není platná částka.\n", u""},
        {folder + u"Zahrada.csv",
         " nemá příponu \".txt\"; seznamy kalkulací program čte jen z takových souborů.\n", u""},
        {folder + u"Složka.txt", " nelze přečíst: je to složka, ne soubor.\n", u""},
        {folder + u"Dlouhá.txt", "",
         u"Text na listu \"Kalkulace stavebních objektů\", řádek 3, je delší než 32 767 znaků; do "
         u"souboru XLS jej nelze uložit."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(platform::toUtf8(c.file));
        out.str("");
        errors.str("");
        fake.messages.clear();
        EXPECT_EQ(run(c.file), 1);
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(errors.str(),
                  c.error.empty() ? "" : "Soubor \"" + platform::toUtf8(c.file) + "\"" + c.error);
        EXPECT_EQ(fake.messages, c.shown.empty() ? std::vector<std::u16string>{}
                                                 : std::vector<std::u16string>{c.shown});
        EXPECT_TRUE(nothingWritten());
    }
}

TEST_F(CliExport, AFailedSaveIsReported) {
    // Readable through the platform, but not a folder a file can be saved in.
    const platform::Path file = folder + u"chybí/Zahrada u domu.txt";
    fake.addFile(file, utf16File(workedExampleText()));
    EXPECT_EQ(run(file), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(fake.messages, std::vector<std::u16string>{u"Soubor \"" + folder +
                                                         u"chybí/Zahrada u domu.xls\" se "
                                                         u"nepodařilo uložit: složka "
                                                         u"neexistuje."});
    EXPECT_TRUE(nothingWritten());
}

TEST(ExportOptions, ExportFileAndPlantNameMode) {
    const Options options = parseOptions({u"--export", u"a b.txt", u"--nazvy=druhy"});
    EXPECT_EQ(options.exportFile, u"a b.txt");
    EXPECT_EQ(options.nazvy, 1);
    EXPECT_EQ(parseOptions({u"--export=x.txt"}).nazvy, 2);
    EXPECT_EQ(parseOptions({u"--nazvy", u"prvni"}).nazvy, 0);
    EXPECT_EQ(parseOptions({u"--nazvy", u"oba"}).nazvy, 2);
    EXPECT_THROW(parseOptions({u"--nazvy", u"obě"}), OptionError);
    EXPECT_THROW(parseOptions({u"--nazvy"}), OptionError);
    EXPECT_NE(usageText().find("--export SOUBOR"), std::string::npos);
}

TEST(ExportOptions, AmountsAsNumbersOnlyWhenAsked) {
    EXPECT_FALSE(parseOptions({u"--export", u"a.txt"}).cisla);
    EXPECT_TRUE(parseOptions({u"--cisla", u"--export", u"a.txt"}).cisla);
    EXPECT_THROW(parseOptions({u"--cisla=ano"}), OptionError);
    EXPECT_NE(usageText().find("--cisla"), std::string::npos);
}

}  // namespace
}  // namespace ek::app
