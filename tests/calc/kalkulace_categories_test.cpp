// The eight category tables, subtotals and totals after a reading.

#include <gtest/gtest.h>

#include <algorithm>

#include "calc/categories.h"
#include "calc/kalkulace.h"
#include "support/reading_fixture.h"
#include "support/sample_files.h"

namespace ek::calc {
namespace {

using namespace ek::test;

TextList rowOf(const TextGrid& table, int row) {
    TextList cells;
    for (int column = 0; column < 5; ++column)
        cells.emplace_back(table.cell(column, row));
    return cells;
}

using Categories = ReadingFixture;

// "Soubor "<the material list>"" as the messages begin.
std::string fileNamed(const char* name) {
    return "Soubor \"" + toUtf8(kMaterialLists) + name + "\"";
}

TEST_F(Categories, WorkedExampleTablesAndFigures) {
    read(workedExampleText());
    ASSERT_EQ(k.StringGrid2.rowCount(), 3);
    EXPECT_EQ(rowOf(k.StringGrid2, 0),
              (TextList{u"por.", u"     Jméno rostliny", u"kusů", u"kus. cena", u"cena celkem"}));
    EXPECT_EQ(rowOf(k.StringGrid2, 1),
              (TextList{u"1", u"Acer campestre - javor babyka", u"3", u"1250,00", u"3750,00"}));
    EXPECT_EQ(rowOf(k.StringGrid2, 2),
              (TextList{u"", u"Celková cena rostlin", u"", u"", u" 3 750,00"}));
    EXPECT_EQ(k.Edit4, u" 3 750,00");

    ASSERT_EQ(k.StringGrid3.rowCount(), 3);
    EXPECT_EQ(rowOf(k.StringGrid3, 0), (TextList{u"por.", u"     Objekt zahrady", u"kusů/plocha",
                                                 u"kus. cena", u"cena celkem"}));
    EXPECT_EQ(rowOf(k.StringGrid3, 1),
              (TextList{u"1", u"Lavička (dřevo/kov)", u"2", u"4500,00", u"9000,00"}));
    EXPECT_EQ(rowOf(k.StringGrid3, 2),
              (TextList{u"", u"Celková cena objektů zahrady", u"", u"", u" 9 000,00"}));
    EXPECT_EQ(k.Edit6, u" 9 000,00");

    ASSERT_EQ(k.StringGrid10.rowCount(), 3);
    EXPECT_EQ(rowOf(k.StringGrid10, 1), (TextList{u"1", u"Lampa", u"1", u"980,00", u"980,00"}));
    EXPECT_EQ(rowOf(k.StringGrid10, 2),
              (TextList{u"", u"Celková cena symbolů", u"", u"", u" 0 980,00"}));
    EXPECT_EQ(k.Edit14, u" 0 980,00");

    for (std::size_t c : {2, 3, 4, 5, 6}) {
        EXPECT_EQ(k.categoryTable(c).rowCount(), 1) << c;
        EXPECT_EQ(k.categoryTable(c).cell(1, 0), kCategories[c].nameHeader) << c;
        EXPECT_EQ(k.subtotalItem(c), u"0,00") << c;
    }
    EXPECT_EQ(k.INF_celkem, u"1373000");
    EXPECT_EQ(k.INF_celkova_cena, u" 13 730,00");
    EXPECT_EQ(k.INF_cena_kategorie, u" 3 750,00");
    EXPECT_TRUE(k.Button15Enabled);

    EXPECT_EQ(k.ListBox2.size(), 8u);
    EXPECT_EQ(TextList(k.ListBox2.end() - 3, k.ListBox2.end()),
              (TextList{u"002 Rost", u"004 Zahr", u"006 Nast"}));

    k.shownTab = 4;
    k.PageControl1Change();
    EXPECT_EQ(k.INF_cena_kategorie, u"0,00");
    EXPECT_EQ(k.highlightedTab, 4);
}

TEST_F(Categories, EveryTableHasItsOwnHeaderAndTotalText) {
    struct Expected {
        const char16_t* title;
        const char16_t* nameHeader;
        const char16_t* quantityHeader;
        const char16_t* totalText;
    };
    const Expected expected[] = {
        {u"Rostliny projektu zahrady", u"     Jméno rostliny", u"kusů", u"Celková cena rostlin"},
        {u"Ostatní objekty zahrady", u"     Objekt zahrady", u"kusů/plocha",
         u"Celková cena objektů zahrady"},
        {u"Stavba", u"     Objekt stavby", u"kusů/plocha", u"Celková cena objektů stavby"},
        {u"Bazén", u"     Objekt bazénu", u"kusů/plocha", u"Celková cena objektů bazénu"},
        {u"Objekty s vodou", u"     Objekt s vodou", u"kusů/plocha",
         u"Celková cena objektů s vodou"},
        {u"Terén", u"     Objekt terénu", u"kusů/plocha", u"Celková cena pozemku"},
        {u"Silnice", u"     Objekt terénu", u"kusů/plocha", u"Celková cena objektů silnice"},
        {u"Nástroje", u"     Symbol", u"kusů/plocha", u"Celková cena symbolů"},
    };
    std::u16string text = u"Projekt\r\n";
    for (const Expected& e : expected) {
        text += std::u16string(e.title) + u"\r\nPoložka 1 Tilia - lípa;\t1\t1,00 Kč\t1,00 Kč\r\n";
    }
    read(text + u"Konec\r\n");
    for (std::size_t c = 0; c < kCategoryCount; ++c) {
        const TextGrid& table = k.categoryTable(c);
        ASSERT_EQ(table.rowCount(), 3) << c;
        EXPECT_EQ(rowOf(table, 0),
                  (TextList{u"por.", expected[c].nameHeader, expected[c].quantityHeader,
                            u"kus. cena", u"cena celkem"}));
        EXPECT_EQ(table.cell(1, 2), expected[c].totalText);
        EXPECT_EQ(k.subtotalItem(c), u" 0 001,00");
    }
    // Only the plants' names lose their prefix and last character.
    EXPECT_EQ(k.StringGrid2.cell(1, 1), u"Tilia - lípa");
    EXPECT_EQ(k.StringGrid10.cell(1, 1), u"Položka 1 Tilia - lípa;");
    EXPECT_EQ(k.INF_celkem, u"800");
    EXPECT_EQ(k.INF_celkova_cena, u" 0 008,00");
}

TEST_F(Categories, HeaderFollowedDirectlyByTheNextGivesAZeroTotalRow) {
    read(linesText({u"P", u"Stavba", u"Bazén", u"Sprcha\t1\t10,00 Kč\t10,00 Kč", u"Konec"}));
    ASSERT_EQ(k.StringGrid4.rowCount(), 2);
    EXPECT_EQ(rowOf(k.StringGrid4, 1),
              (TextList{u"", u"Celková cena objektů stavby", u"", u"", u" 0 000,00"}));
    EXPECT_EQ(k.Edit7, u" 0 000,00");
    EXPECT_EQ(k.StringGrid5.cell(1, 1), u"Sprcha");
}

TEST_F(Categories, CategoriesInAnotherOrder) {
    read(linesText({u"P", u"Nástroje", u"Lampa\t1\t5,00 Kč\t5,00 Kč", u"Silnice",
                    u"Obrubník\t2\t3,00 Kč\t6,00 Kč", u"Rostliny projektu zahrady",
                    u"Položka 1 Buxus - zimostráz;\t1\t2,00 Kč\t2,00 Kč", u"Terén",
                    u"Ornice\t3 m³\t1,00 Kč\t3,00 Kč", u"Konec"}));
    EXPECT_EQ(k.StringGrid10.rowCount(), 3);
    EXPECT_EQ(k.StringGrid10.cell(1, 1), u"Lampa");
    EXPECT_EQ(k.StringGrid9.rowCount(), 3);
    EXPECT_EQ(k.StringGrid9.cell(1, 1), u"Obrubník");
    EXPECT_EQ(k.StringGrid2.cell(1, 1), u"Buxus - zimostráz");
    EXPECT_EQ(k.StringGrid7.cell(2, 1), u"3 m³");
    EXPECT_EQ(k.StringGrid7.rowCount(), 3);  // the last category runs to the end
    EXPECT_EQ(k.INF_celkem, u"1600");
}

TEST_F(Categories, LinesBeforeTheFirstHeaderCountNowhere) {
    read(linesText(
        {u"Úvod\t1\t99,00 Kč\t99,00 Kč", u"Stavba", u"Zeď\t1\t1,00 Kč\t1,00 Kč", u"Konec"}));
    EXPECT_EQ(k.INF_celkem, u"100");
}

TEST_F(Categories, LineValuesAreExactDecimals) {
    read(linesText({u"P", u"Stavba", u"Zeď\t1\t3\u00A0750 Kč\t3\u00A0750 Kč",
                    u"Plot\t1\t3\u00A0750,5 Kč\t3\u00A0750,5 Kč", u"Vrata\t1\t-10,25 Kč\t-10,25 Kč",
                    u"Konec"}));
    EXPECT_EQ(k.StringGrid4.cell(4, 1), u"3750");
    EXPECT_EQ(k.StringGrid4.cell(4, 2), u"3750,5");
    EXPECT_EQ(k.INF_celkem, u"749025");
    EXPECT_EQ(k.Edit7, u" 7 490,25");
}

TEST_F(Categories, TotalsBeyondThe32BitRangeKeepTheirLastCent) {
    read(linesText(
        {u"P", u"Bazén", u"Bazén A\t1\t15\u00A0000\u00A0000,00 Kč\t15\u00A0000\u00A0000,00 Kč",
         u"Bazén B\t1\t15\u00A0000\u00A0000,01 Kč\t15\u00A0000\u00A0000,01 Kč", u"Konec"}));
    EXPECT_EQ(k.INF_celkem, u"3000000001");
    EXPECT_EQ(k.Edit8, u" 30000 000,01");
    EXPECT_EQ(k.INF_celkova_cena, u" 30000 000,01");
}

TEST_F(Categories, SumsLeavingSixtyFourBitsStopTheReadingWhereTheyLeave) {
    read(workedExampleText());
    pick(u"Projekt.txt", linesText({u"P", u"Bazén", u"A\t1\t1,00 Kč\t92233720368547758,07 Kč",
                                    u"B\t1\t1,00 Kč\t0,01 Kč", u"Konec"}));
    EXPECT_EQ(errorOf(&Kalkulace::Prevod),
              fileNamed("Projekt.txt") +
                  ", řádek 4: součet kategorie \"Bazén\" přesahuje největší částku, kterou "
                  "program sečte.");
    EXPECT_FALSE(k.Button15Enabled);

    // Each category within the range, the two together beyond it.
    pick(u"Projekt.txt", linesText({u"P", u"Stavba", u"A\t1\t1,00 Kč\t92233720368547758,07 Kč",
                                    u"Terén", u"B\t1\t1,00 Kč\t0,01 Kč", u"Konec"}));
    EXPECT_EQ(errorOf(&Kalkulace::Prevod),
              fileNamed("Projekt.txt") +
                  ": celková cena s kategorií \"Terén\" (nadpis na řádku 4) přesahuje největší "
                  "částku, kterou program sečte.");
    EXPECT_FALSE(k.Button15Enabled);
}

TEST_F(Categories, FailingBuilderStopsTheReadingWithoutStaleTablesOrTotals) {
    // A first, complete reading fills every table.
    std::u16string full = u"Projekt\r\n";
    for (const Category& category : kCategories) {
        full += std::u16string(category.title) + u"\r\n";
        for (int i = 0; i < 4; ++i) {
            full += (category.plants ? u"Položka 1 Tilia - lípa;" : u"Starý") +
                    std::u16string(u"\t1\t7,00 Kč\t7,00 Kč\r\n");
        }
    }
    read(full + u"Konec\r\n");
    ASSERT_TRUE(k.Button15Enabled);

    // The second file's garden objects hold a total written with a point.
    pick(u"Druhý.txt",
         linesText(
             {u"Druhý", u"Rostliny projektu zahrady",
              u"Položka 1 Acer campestre - javor babyka;\t3\t1\u00A0250,00 Kč\t3\u00A0750,00 Kč",
              u"Ostatní objekty zahrady", u"Lavička\t2\t4\u00A0500,00 Kč\t9\u00A0000,00 Kč",
              u"Houpačka\t1\t1250.00 Kč\t1250.00 Kč", u"Kolo\t1\t1,00 Kč\t1,00 Kč", u"Stavba",
              u"Zeď\t1\t1,00 Kč\t1,00 Kč", u"Konec"}));
    EXPECT_EQ(errorOf(&Kalkulace::Prevod),
              fileNamed("Druhý.txt") + ", řádek 6: cena celkem \"1250.00 Kč\" není platná částka.");

    EXPECT_EQ(k.INF_jmeno_souboru, u"Druhý");
    EXPECT_EQ(k.StringGrid2.rowCount(), 3);  // built before the failure
    EXPECT_EQ(k.Edit4, u" 3 750,00");
    EXPECT_EQ(k.INF_celkem, u"375000");  // the sums added so far
    // The failing table keeps only the rows before the failing line.
    ASSERT_EQ(k.StringGrid3.rowCount(), 2);
    EXPECT_EQ(k.StringGrid3.cell(1, 1), u"Lavička");
    EXPECT_EQ(k.Edit6, u"0,00");
    for (std::size_t c = 2; c < kCategoryCount; ++c) {
        EXPECT_EQ(k.categoryTable(c).rowCount(), 1) << c;
        EXPECT_EQ(k.subtotalItem(c), u"0,00") << c;
    }
    EXPECT_EQ(k.INF_celkova_cena, u"0,00");
    EXPECT_EQ(k.INF_cena_kategorie, u"0,00");
    EXPECT_FALSE(k.Button15Enabled);
}

TEST_F(Categories, MissingOrEmptyTotalFieldStopsTheReading) {
    const std::string missing =
        fileNamed("Projekt.txt") + ", řádek 3: chybí cena celkem (čtvrté pole řádku).";
    for (const char16_t* line : {u"Trávník\t240 m²\t45,00 Kč", u"Trávník\t240 m²\t45,00 Kč\t",
                                 u"Trávník bez tabulátoru"}) {
        SCOPED_TRACE(toUtf8(line));
        pick(u"Projekt.txt", linesText({u"P", u"Terén", line, u"Kámen\t1\t1,00 Kč\t1,00 Kč"}));
        EXPECT_EQ(errorOf(&Kalkulace::Prevod), missing);
    }
}

TEST_F(Categories, HeadersBeyondRow1000) {
    std::u16string text = u"Velký projekt\r\nOstatní objekty zahrady\r\n";
    for (int i = 0; i < 1100; ++i)
        text += u"Kámen\t1\t1,00 Kč\t1,00 Kč\r\n";
    text += linesText({u"Nástroje", u"Lampa\t1\t980,00 Kč\t980,00 Kč", u"Stavba",
                       u"Zeď\t1\t2,00 Kč\t2,00 Kč", u"Konec"});
    read(text);
    EXPECT_EQ(k.StringGrid3.rowCount(), 1102);
    EXPECT_EQ(k.Edit6, u" 1 100,00");
    ASSERT_EQ(k.StringGrid10.rowCount(), 3);
    EXPECT_EQ(k.StringGrid10.cell(1, 1), u"Lampa");
    ASSERT_EQ(k.StringGrid4.rowCount(), 3);
    EXPECT_EQ(k.StringGrid4.cell(1, 1), u"Zeď");
    EXPECT_EQ(k.INF_celkem, u"208200");
    EXPECT_EQ(TextList(k.ListBox2.end() - 3, k.ListBox2.end()),
              (TextList{u"0002 Zahr", u"1103 Nast", u"1105 Stav"}));
}

TEST_F(Categories, BuilderRunAgainAddsItsSumAgain) {
    read(workedExampleText());
    k.Zahrada_z_tabulky();
    EXPECT_EQ(k.INF_celkem, u"2273000");
    EXPECT_EQ(k.StringGrid3.rowCount(), 3);
}

// A builder run on its own builds the index again, from the working table
// as it is by then, not as the reading left it.
TEST_F(Categories, BuilderRunAloneIndexesTheWorkingTableAsItStands) {
    read(workedExampleText());
    k.ListBox2.clear();
    for (int row = 1; row < k.StringGrid1.rowCount(); ++row) {
        if (k.StringGrid1.cell(1, row) == kCategories[0].title)
            k.StringGrid1.setCell(1, row, u"Jiné rostliny");
    }
    k.Rostliny_z_tabulky();
    EXPECT_EQ(k.ListBox2.size(), 8u);
    EXPECT_NE(std::find(k.ListBox2.begin(), k.ListBox2.end(), u"000 Rost"), k.ListBox2.end());
    EXPECT_EQ(k.StringGrid2.rowCount(), 1);
    EXPECT_EQ(k.StringGrid2.cell(1, 0), kCategories[0].nameHeader);
}

class PointSeparator : public ReadingFixture {
  protected:
    PointSeparator() : ReadingFixture(u'.') {}
};

TEST_F(PointSeparator, FiguresUseTheRegionalSeparatorAndCellsKeepTheFilesComma) {
    read(workedExampleText());
    EXPECT_EQ(k.Edit4, u" 3 750.00");
    EXPECT_EQ(k.Edit14, u" 0 980.00");
    EXPECT_EQ(k.StringGrid2.cell(4, 2), u" 3 750.00");
    EXPECT_EQ(k.StringGrid2.cell(3, 1), u"1250,00");
    EXPECT_EQ(k.INF_celkova_cena, u" 13 730.00");
    EXPECT_EQ(k.INF_cena_kategorie, u" 3 750.00");
    EXPECT_EQ(k.Edit7, u"0,00");  // the tool's own initial text
}

}  // namespace
}  // namespace ek::calc
