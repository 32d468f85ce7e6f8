// Reading a material list through Prevod: the line list, the working table,
// the buttons, and what a reading that stops leaves behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "calc/czech_collation.h"
#include "calc/error.h"
#include "calc/kalkulace.h"
#include "calc/list_file.h"
#include "support/fake_platform.h"
#include "support/host_folders.h"
#include "support/reading_fixture.h"
#include "support/sample_files.h"

namespace ek::calc {
namespace {

using namespace ek::test;

using Reading = ReadingFixture;

TEST_F(Reading, WorkedExampleLinesAndWorkingTable) {
    pick(u"Zahrada u domu.txt", workedExampleText());
    k.Prevod();
    EXPECT_EQ(k.Edit2, u"Zahrada u domu.txt");
    EXPECT_EQ(k.INF_jmeno_souboru, u"Zahrada u domu");
    ASSERT_EQ(k.ListBox1.size(), 8u);
    EXPECT_EQ(k.ListBox1[4], u"Lavička (dřevo/kov)\t2\t4\u00A0500,00 Kč\t9\u00A0000,00 Kč");
    ASSERT_EQ(k.StringGrid1.rowCount(), 8);
    for (int row = 1; row < 8; ++row)
        EXPECT_EQ(k.StringGrid1.cell(0, row), fromUtf8(std::to_string(row)));
    EXPECT_EQ(k.StringGrid1.cell(1, 1), u"Zahrada u domu");
    EXPECT_EQ(k.StringGrid1.cell(1, 3), u"Položka 1 Acer campestre - javor babyka;");
    EXPECT_EQ(k.StringGrid1.cell(2, 3), u"3");
    EXPECT_EQ(k.StringGrid1.cell(3, 3), u"1\u00A0250,00 Kč");
    EXPECT_EQ(k.StringGrid1.cell(4, 3), u"3\u00A0750,00 Kč");
    EXPECT_EQ(k.StringGrid1.cell(1, 5), u"Lavička (dřevo/kov)");
    EXPECT_EQ(k.StringGrid1.cell(1, 7), u"Lampa");
    EXPECT_TRUE(k.Button15Enabled);
    EXPECT_FALSE(k.Button16Enabled);
    EXPECT_FALSE(k.Button14Enabled);
}

TEST_F(Reading, CzechNamesAndSlashesOutsideParenthesesStayWhole) {
    const std::u16string text =
        u"Dvůr\r\nStavba\r\n"
        u"Dlažba 30/30 cm – žulová\t12 m²\t450,00 Kč\t5\u00A0400,00 Kč\r\n"
        u"Zídka ňůřČ / 2 řady\t3\t100,00 Kč\t300,00 Kč\r\nKonec\r\n";
    pick(u"Dvůr.txt", text);
    k.Prevod();
    EXPECT_EQ(k.StringGrid1.cell(1, 3), u"Dlažba 30/30 cm – žulová");
    EXPECT_EQ(k.StringGrid1.cell(2, 3), u"12 m²");
    EXPECT_EQ(k.StringGrid1.cell(4, 3), u"5\u00A0400,00 Kč");
    EXPECT_EQ(k.StringGrid1.cell(1, 4), u"Zídka ňůřČ / 2 řady");
    EXPECT_EQ(k.StringGrid4.cell(1, 1), u"Dlažba 30/30 cm – žulová");
    EXPECT_EQ(k.StringGrid4.cell(4, 1), u"5400,00");
    EXPECT_EQ(k.INF_celkem, u"570000");
}

TEST_F(Reading, FileLongerThan32KiBIsReadWhole) {
    std::u16string text = u"Velká zahrada\r\nOstatní objekty zahrady\r\n";
    for (int i = 0; i < 1000; ++i)
        text += u"Kámen\t1\t1,00 Kč\t1,00 Kč\r\n";
    text += u"Konec\r\n";
    const platform::Bytes bytes = utf16File(text);
    ASSERT_GT(bytes.size(), 32768u);
    pickBytes(u"Velká zahrada.txt", bytes);
    k.Prevod();
    EXPECT_EQ(k.StringGrid1.rowCount(), 1003);
    EXPECT_EQ(k.INF_celkem, u"100000");
    EXPECT_EQ(k.StringGrid3.rowCount(), 1002);
    EXPECT_EQ(k.StringGrid3.cell(1, 1001), u"Celková cena objektů zahrady");
}

TEST_F(Reading, ShorterSecondFileInheritsNoCells) {
    pick(u"Zahrada u domu.txt",
         (u"A\r\nOstatní objekty zahrady\r\nLavice\t2\t4,00 Kč\t8,00 Kč\r\nKonec\r\n"));
    k.Prevod();
    // Row 3 of the second file has a name only: its total must not come from the first file.
    fake.addFile(std::u16string(kMaterialLists) + u"Zahrada u domu.txt",
                 utf16File(u"B\r\nOstatní objekty zahrady\r\nJen jméno\r\nLavice\t1\t4,00 Kč\t4,00 "
                           u"Kč\r\nKonec\r\n"));
    EXPECT_EQ(errorOf(&Kalkulace::Prevod), "Soubor \"" + toUtf8(kMaterialLists) +
                                               "Zahrada u domu.txt\", řádek 3: chybí cena celkem "
                                               "(čtvrté pole řádku).");
    EXPECT_EQ(k.StringGrid1.cell(2, 3), u"");
    EXPECT_EQ(k.StringGrid1.cell(4, 3), u"");
}

TEST_F(Reading, NoSelectionStopsBeforeAnythingChanges) {
    pick(u"Zahrada u domu.txt", workedExampleText());
    k.Prevod();
    k.Button16Enabled = k.Button14Enabled = true;
    k.FileListBox1.itemIndex = -1;
    const TextList lines = k.ListBox1;
    EXPECT_EQ(errorOf(&Kalkulace::Prevod), "V seznamu souborů není vybrán žádný soubor.");
    EXPECT_FALSE(k.Button16Enabled);
    EXPECT_FALSE(k.Button14Enabled);
    EXPECT_FALSE(k.Button15Enabled);
    EXPECT_EQ(k.Edit2, u"Zahrada u domu.txt");
    EXPECT_EQ(k.ListBox1, lines);
    EXPECT_EQ(k.INF_celkova_cena, u" 13 730,00");
}

TEST_F(Reading, VanishedFileGivesTheInputOutputMessageAndNoStaleFigures) {
    pick(u"Zahrada u domu.txt", workedExampleText());
    k.Prevod();
    fake.addFile(std::u16string(kMaterialLists) + u"Druhá.txt", "x");
    k.FileListBox1.reread(fake, CzechCollation());
    k.FileListBox1.itemIndex = 0;  // "Druhá.txt"
    fake.removeFile(std::u16string(kMaterialLists) + u"Druhá.txt");
    EXPECT_EQ(errorOf(&Kalkulace::Prevod), "File not found");
    EXPECT_TRUE(k.ListBox1.empty());
    EXPECT_EQ(k.INF_jmeno_souboru, u"Druhá");
    EXPECT_FALSE(k.Button15Enabled);
    EXPECT_EQ(k.INF_celkova_cena, u"0,00");
    EXPECT_EQ(k.INF_cena_kategorie, u"0,00");
    EXPECT_EQ(k.Edit4, u"0,00");
    for (std::size_t c = 0; c < 8; ++c)
        EXPECT_EQ(k.categoryTable(c).rowCount(), 1) << c;
    EXPECT_EQ(k.StringGrid2.cell(1, 0), u"     Jméno rostliny");
}

TEST_F(Reading, FileOver64MiBIsRefusedUnread) {
    pick(u"Obří.txt", workedExampleText());
    fake.reportSize(std::u16string(kMaterialLists) + u"Obří.txt", 64ull * 1024 * 1024 + 1);
    EXPECT_EQ(errorOf(&Kalkulace::Prevod), "Soubor \"" + toUtf8(kMaterialLists) +
                                               "Obří.txt\" je příliš velký (nejvýše 64 MiB).");
    EXPECT_EQ(fake.readCount(std::u16string(kMaterialLists) + u"Obří.txt"), 0);
    EXPECT_FALSE(k.Button15Enabled);
    EXPECT_FALSE(k.Button16Enabled);
    EXPECT_FALSE(k.Button14Enabled);
}

TEST_F(Reading, FileOfExactly64MiBIsRead) {
    pick(u"Zahrada u domu.txt", workedExampleText());
    fake.reportSize(std::u16string(kMaterialLists) + u"Zahrada u domu.txt", 64ull * 1024 * 1024);
    k.Prevod();
    EXPECT_TRUE(k.Button15Enabled);
}

TEST_F(Reading, ShortNamesGiveAnEmptyBaseName) {
    pick(u".txt", u"Stavba\r\n");
    k.Prevod();
    EXPECT_EQ(k.INF_jmeno_souboru, u"");
    pick(u"a.txt", u"Stavba\r\n");
    k.Prevod();
    EXPECT_EQ(k.INF_jmeno_souboru, u"a");
}

// "Soubor "<the material list>"" as the messages begin.
std::string fileNamed(const char16_t* name) {
    return "Soubor \"" + toUtf8(kMaterialLists) + toUtf8(name) + "\"";
}

TEST_F(Reading, TheLastItemCountsWhateverClosesTheList) {
    const std::u16string items =
        u"Zahrada\r\nStavba\r\nZeď\t1\t1,00 Kč\t1,00 Kč\r\n"
        u"Plot\t1\t2,00 Kč\t2,00 Kč";
    for (const std::u16string ending :
         {u"", u"\r\n", u"\r\nKonec", u"\r\nKonec\r\n", u"\r\nKonec\r\n\r\n\r\n",
          u"\r\n\r\nPoznámka bez tabulátoru\r\nKonec\r\n"}) {
        SCOPED_TRACE(toUtf8(ending));
        pick(u"Projekt.txt", items + ending);
        k.Prevod();
        EXPECT_EQ(k.StringGrid1.rowCount(), 5);
        ASSERT_EQ(k.StringGrid4.rowCount(), 4);
        EXPECT_EQ(k.StringGrid4.cell(1, 2), u"Plot");
        EXPECT_EQ(k.INF_celkem, u"300");
        EXPECT_TRUE(k.Button15Enabled);
    }
    // A last category without items keeps its place.
    pick(u"Projekt.txt", items + u"\r\nNástroje\r\nKonec\r\n\r\n");
    k.Prevod();
    EXPECT_EQ(k.StringGrid10.rowCount(), 2);
    EXPECT_EQ(k.Edit14, u" 0 000,00");
}

TEST_F(Reading, AStructureThatCannotBeTrustedIsRefused) {
    const std::string noTitle =
        " neobsahuje nadpis žádné kategorie (například \"Rostliny projektu zahrady\"); není to "
        "seznam kalkulace, nebo je v kódování, které program nezná.";
    struct Case {
        const char* name;
        platform::Bytes content;
        std::string error;  // after the file's name
    };
    const Case cases[] = {
        {"a repeated title",
         utf16File(linesText({u"P", u"Stavba", u"Zeď\t1\t1,00 Kč\t1,00 Kč", u"Bazén", u"Stavba\t",
                              u"Plot\t1\t2,00 Kč\t2,00 Kč", u"Konec"})),
         " má nadpis kategorie \"Stavba\" dvakrát, na řádku 2 a na řádku 5; nelze určit, ke "
         "které kategorii patří položky."},
        {"an empty file", {}, noTitle},
        {"no title", utf16File(linesText({u"P", u"Zeď\t1\t1,00 Kč\t1,00 Kč", u"Konec"})), noTitle},
        {"titles not alone", utf16File(linesText({u"Stavba ", u"stavba", u"Zeď Stavba"})), noTitle},
        {"lines cut at CR only", utf16File(u"P\rStavba\rZeď\t1\t1,00 Kč\t1,00 Kč\r"), noTitle},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        read(workedExampleText());
        pickBytes(u"Projekt.txt", c.content);
        EXPECT_EQ(errorOf(&Kalkulace::Prevod), fileNamed(u"Projekt.txt") + c.error);
        EXPECT_FALSE(k.Button15Enabled);
        EXPECT_EQ(k.INF_celkova_cena, u"0,00");
        for (std::size_t category = 0; category < 8; ++category)
            EXPECT_EQ(k.categoryTable(category).rowCount(), 1) << category;
    }
}

TEST_F(Reading, TooManyLinesAreRefusedBeforeTheyAreItems) {
    read(workedExampleText());
    pickBytes(u"Řádky.txt", platform::Bytes(kLargestLineCount + 1, '\n'));
    EXPECT_EQ(errorOf(&Kalkulace::Prevod), fileNamed(u"Řádky.txt") +
                                               " má víc než 1 000 000 řádků; seznam kalkulace jich "
                                               "tolik mít nemůže.");
    EXPECT_TRUE(k.ListBox1.empty());
    EXPECT_FALSE(k.Button15Enabled);
}

}  // namespace
}  // namespace ek::calc
