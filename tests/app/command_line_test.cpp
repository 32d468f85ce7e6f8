#include "app/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/unicode.h"
#include "support/fake_platform.h"
#include "support/host_folders.h"
#include "support/sample_files.h"

namespace ek::app {
namespace {

using namespace ek::test;

class CommandLine : public ::testing::Test {
  protected:
    CommandLine() {
        addHostFolders(fake);
        fake.addFile(std::u16string(kMaterialLists) + u"Zahrada u domu.txt",
                     utf16File(workedExampleText()));
    }
    int run(const Options& options, char16_t separator = u',') {
        return runCommandLine(options, fake, separator, out, errors);
    }
    FakePlatform fake;
    std::ostringstream out;
    std::ostringstream errors;
};

TEST_F(CommandLine, PrintsTheTablesAndTotalsOfThePickedFile) {
    Options options;
    options.tabulka = std::u16string(kMaterialLists) + u"Zahrada u domu.txt";
    ASSERT_EQ(run(options), 0) << errors.str();
    const std::string text = out.str();
    EXPECT_NE(text.find("3\tPoložka 1 Acer campestre - javor babyka;\t3\t1\u00A0250,00 Kč\t"
                        "3\u00A0750,00 Kč\n"),
              std::string::npos);
    EXPECT_NE(text.find("== Rostliny (StringGrid2) ==\n"
                        "por.\t     Jméno rostliny\tkusů\tkus. cena\tcena celkem\n"
                        "1\tAcer campestre - javor babyka\t3\t1250,00\t3750,00\n"
                        "\tCelková cena rostlin\t\t\t 3 750,00\n"
                        "Dílčí součet\t 3 750,00\n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("Celková cena\t 13 730,00\n"));
    EXPECT_EQ(errors.str(), "");
}

TEST_F(CommandLine, RelativeFileIsTakenFromTheStartDirectory) {
    fake.addFile(u"/start/vlastní/Můj.txt",
                 utf16File(u"P\r\nStavba\r\nZeď\t1\t1,00 Kč\t1,00 Kč\r\nK\r\n"));
    Options options;
    options.tabulka = u"vlastní/Můj.txt";
    ASSERT_EQ(run(options, u'.'), 0) << errors.str();
    EXPECT_TRUE(out.str().ends_with("Celková cena\t 0 001.00\n"));
}

TEST_F(CommandLine, MissingFileAndMessagesGoToErrors) {
    fake.removeDirectory(kPriceLists);
    Options options;
    options.tabulka = std::u16string(kMaterialLists) + u"Chybí.txt";
    EXPECT_EQ(run(options), 1);
    EXPECT_EQ(errors.str(), "Soubor \"" + platform::toUtf8(options.tabulka) +
                                "\" nelze přečíst: soubor nebo jeho složka neexistuje.\n");
    EXPECT_EQ(fake.messages,
              std::vector<std::u16string>{u"Složka se seznamem ceníků nebyla nalezena"});
}

TEST_F(CommandLine, ReadingErrorGivesStatusOne) {
    fake.addFile(std::u16string(kMaterialLists) + u"Chyba.txt",
                 utf16File(u"P\r\nStavba\r\nZeď\t1\t1,00 Kč\t1.00 Kč\r\nK\r\n"));
    Options options;
    options.tabulka = std::u16string(kMaterialLists) + u"Chyba.txt";
    EXPECT_EQ(run(options), 1);
    EXPECT_EQ(errors.str(), "Soubor \"" + platform::toUtf8(options.tabulka) +
                                "\", řádek 3: cena celkem \"1.00 Kč\" není platná částka.\n");
}

TEST_F(CommandLine, WithoutAFileListsTheMaterialLists) {
    ASSERT_EQ(run(Options()), 0);
    EXPECT_EQ(out.str(), "Zahrada u domu.txt\n");
}

}  // namespace
}  // namespace ek::app
