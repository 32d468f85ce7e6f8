// Plant names by the plant-name mode, and the plants table sorted by them.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "calc/kalkulace.h"
#include "calc/plant_sort_keys.h"
#include "support/reading_fixture.h"

namespace ek::calc {
namespace {

using namespace ek::test;

constexpr int kPrvni = 0;
constexpr int kDruhy = 1;
constexpr int kOba = 2;

// A material list with these plant names (prefix and trailing character
// added); line r costs r,00 a piece, one piece.
std::u16string plantsText(const TextList& names) {
    std::u16string text = u"Projekt\r\nRostliny projektu zahrady\r\n";
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::u16string price = fromUtf8(std::to_string(i + 1)) + u",00 Kč";
        text += u"Položka 1 " + names[i] + u";\t1\t" + price + u"\t" + price + u"\r\n";
    }
    return text + u"Konec\r\n";
}

class Plants : public ReadingFixture {
  protected:
    void readWithMode(int mode, const TextList& names) {
        k.RadioGroup2 = mode;
        read(plantsText(names));
    }
    TextList column(int column) const {
        TextList cells;
        for (int row = 1; row + 1 < k.StringGrid2.rowCount(); ++row) {
            cells.emplace_back(k.StringGrid2.cell(column, row));
        }
        return cells;
    }
};

TEST_F(Plants, WorkedExampleModes) {
    for (const auto& [mode, shown] :
         {std::pair{kPrvni, u"Acer campestre"}, std::pair{kDruhy, u"javor babyka"},
          std::pair{kOba, u"Acer campestre - javor babyka"}}) {
        readWithMode(mode, {u"Acer campestre - javor babyka"});
        EXPECT_EQ(k.StringGrid2.cell(1, 1), shown) << mode;
    }
}

TEST_F(Plants, FirstNameSortsAndRowsMoveWhole) {
    readWithMode(kPrvni, {u"Tilia cordata - lípa srdčitá", u"Acer campestre - javor babyka"});
    EXPECT_EQ(column(0), (TextList{u"1", u"2"}));
    EXPECT_EQ(column(1), (TextList{u"Acer campestre", u"Tilia cordata"}));
    EXPECT_EQ(column(3), (TextList{u"2,00", u"1,00"}));
    EXPECT_EQ(column(4), (TextList{u"2,00", u"1,00"}));
    EXPECT_EQ(k.StringGrid2.cell(1, 3), u"Celková cena rostlin");
    EXPECT_EQ(k.StringGrid2.cell(4, 3), u" 0 003,00");
}

TEST_F(Plants, SecondNameSorts) {
    readWithMode(kDruhy, {u"Tilia cordata - lípa srdčitá", u"Acer campestre - javor babyka"});
    EXPECT_EQ(column(1), (TextList{u"javor babyka", u"lípa srdčitá"}));
    EXPECT_EQ(column(4), (TextList{u"2,00", u"1,00"}));
}

TEST_F(Plants, BothNamesKeepTheFileOrder) {
    readWithMode(kOba, {u"Tilia cordata - lípa srdčitá", u"Acer campestre - javor babyka"});
    EXPECT_EQ(column(1),
              (TextList{u"Tilia cordata - lípa srdčitá", u"Acer campestre - javor babyka"}));
    // The sort keys are kept in order all the same.
    EXPECT_EQ(k.ListBox3,
              (TextList{u"Acer campestre - javor babyka002", u"Tilia cordata - lípa srdčitá001"}));
}

TEST_F(Plants, EqualNamesAndCaseDifferencesKeepTheFileOrder) {
    readWithMode(kDruhy, {u"Rosa canina - růže", u"Rosa gallica - Růže", u"Acer - javor",
                          u"Rosa alba - růže"});
    EXPECT_EQ(column(1), (TextList{u"javor", u"růže", u"Růže", u"růže"}));
    EXPECT_EQ(column(4), (TextList{u"3,00", u"1,00", u"2,00", u"4,00"}));
}

TEST_F(Plants, CzechAlphabeticalOrder) {
    readWithMode(kDruhy, {u"a - řepík", u"b - chmel", u"c - cesmína", u"d - hloh", u"e - čemeřice",
                          u"f - rybíz", u"g - šeřík", u"h - Sasanka", u"i - zimostráz",
                          u"j - žlutokvět", u"k - Dřín"});
    EXPECT_EQ(column(1), (TextList{u"cesmína", u"čemeřice", u"Dřín", u"hloh", u"chmel", u"rybíz",
                                   u"řepík", u"Sasanka", u"šeřík", u"zimostráz", u"žlutokvět"}));
}

TEST_F(Plants, ShorterNameSortsBeforeItsLongerForm) {
    // Compared with the row digits attached, "Acer a" (blank) came before "Acer" (digit).
    readWithMode(kPrvni, {u"Acer a - x", u"Acer - y", u"Acer ab - z"});
    EXPECT_EQ(column(1), (TextList{u"Acer", u"Acer a", u"Acer ab"}));
}

TEST_F(Plants, CultivarWithAHyphenInBothModes) {
    readWithMode(kPrvni, {u"Acer 'Autumn-Blaze' - javor"});
    EXPECT_EQ(k.StringGrid2.cell(1, 1), u"Acer 'Autumn-Blaze'");
    readWithMode(kDruhy, {u"Acer 'Autumn-Blaze' - javor"});
    EXPECT_EQ(k.StringGrid2.cell(1, 1), u"javor");
}

TEST_F(Plants, ShortFieldGivesAnEmptyName) {
    k.RadioGroup2 = kOba;
    read(linesText(
        {u"P", u"Rostliny projektu zahrady", u"Položka 1 \t1\t1,00 Kč\t1,00 Kč", u"Konec"}));
    EXPECT_EQ(k.StringGrid2.cell(1, 1), u"");
}

TEST_F(Plants, MoreThanAThousandPlantsSortByNameThenFileOrder) {
    TextList names;
    for (int i = 0; i < 1200; ++i) {
        // Names repeat every 100 rows, so equal names lie far apart in the file.
        const int n = 99 - i % 100;
        names.push_back(u"Druh " + fromUtf8(std::to_string(100 + n)) + u" - x");
    }
    readWithMode(kPrvni, names);
    const TextList shown = column(1);
    const TextList prices = column(4);
    ASSERT_EQ(shown.size(), 1200u);
    EXPECT_EQ(shown.front(), u"Druh 100");
    EXPECT_EQ(shown.back(), u"Druh 199");
    // "Druh 100" stands in file rows 100, 200, ..., 1200, in that order.
    for (int j = 0; j < 12; ++j) {
        EXPECT_EQ(prices[j], fromUtf8(std::to_string(100 * (j + 1))) + u",00") << j;
    }
    EXPECT_EQ(k.ListBox3.front(), u"Druh 1000100");
    EXPECT_EQ(k.StringGrid2.cell(0, 1200), u"1200");
}

// After the reading the lists and the table are what the sorted keys say.
// Names repeat and differ in Czech letters and case; more than a thousand,
// so that the numbers take four digits.
TEST_F(Plants, ReadingLeavesTheTableAndListsAsTheSortedKeysSay) {
    const std::array<std::u16string_view, 6> stems{u"Čimičufuga", u"cimicifuga", u"Chmel",
                                                   u"hrachor",    u"Řepík",      u"Acer"};
    TextList names;
    for (std::size_t i = 0; i < 2500; ++i) {
        const std::size_t bits = i * 2654435761u;
        names.push_back(Text(stems[bits % stems.size()]) + u" " +
                        fromUtf8(std::to_string((bits >> 8) % 50)) + u" - " +
                        Text(stems[(bits >> 16) % stems.size()]));
    }
    for (const int mode : {kPrvni, kDruhy}) {
        readWithMode(mode, names);
        const std::size_t width = plantKeyWidth(names.size());
        const TextList shown = column(1);
        const TextList prices = column(3);
        ASSERT_EQ(k.ListBox3.size(), names.size());
        ASSERT_EQ(k.ListBox4.size(), names.size());
        ASSERT_EQ(shown.size(), names.size());
        for (std::size_t i = 0; i < names.size(); ++i) {
            const PlantKeyParts parts = splitPlantKey(k.ListBox3[i], width);
            ASSERT_EQ(k.ListBox4[i], parts.number) << mode << " " << i;
            ASSERT_EQ(shown[i], parts.name) << mode << " " << i;
            // Line r costs r,00.
            ASSERT_EQ(prices[i],
                      Text(parts.number.substr(parts.number.find_first_not_of(u'0'))) + u",00")
                << mode << " " << i;
            ASSERT_EQ(k.ListBox5[i], fromUtf8(std::to_string(i + 1)) + u",00") << mode << " " << i;
        }
    }
}

TEST_F(Plants, AbsentPlantsNeedNoSorting) {
    k.RadioGroup2 = kPrvni;
    read(linesText({u"P", u"Stavba", u"Zeď\t1\t1,00 Kč\t1,00 Kč", u"Konec"}));
    EXPECT_TRUE(k.ListBox3.empty());
    EXPECT_EQ(k.StringGrid2.rowCount(), 1);
}

TEST_F(Plants, SortingByHandInModeBoth) {
    readWithMode(kOba, {u"Tilia - lípa", u"Acer - javor"});
    k.TrideniRostlin();
    EXPECT_EQ(column(1), (TextList{u"Acer - javor", u"Tilia - lípa"}));
    EXPECT_EQ(column(4), (TextList{u"2,00", u"1,00"}));
    EXPECT_EQ(k.ListBox4, (TextList{u"002", u"001"}));
}

TEST_F(Plants, SortingLeavesTheLineTotalsInFileOrderInListBox5) {
    readWithMode(kOba, {u"Tilia - lípa", u"Acer - javor", u"Malus - jabloň"});
    k.TrideniRostlin();
    EXPECT_EQ(column(1), (TextList{u"Acer - javor", u"Malus - jabloň", u"Tilia - lípa"}));
    EXPECT_EQ(column(3), (TextList{u"2,00", u"3,00", u"1,00"}));
    EXPECT_EQ(k.ListBox5, (TextList{u"1,00", u"2,00", u"3,00"}));
    EXPECT_EQ(k.StringGrid2.cell(1, 4), u"Celková cena rostlin");
}

// Keys that name a row twice and another not at all still take each row's
// cells from the row they name, and names longer than the ones they replace
// fit too.
TEST_F(Plants, RowNumbersThatRepeatTakeTheirRowsTwice) {
    readWithMode(kOba, {u"Tilia - lípa", u"Acer - javor", u"Malus - jabloň"});
    k.ListBox3 = {u"Acer - javor002", u"Malus - jabloň domácí002", u"Tilia - lípa001"};
    k.TrideniRostlin();
    EXPECT_EQ(column(1), (TextList{u"Acer - javor", u"Malus - jabloň domácí", u"Tilia - lípa"}));
    EXPECT_EQ(column(3), (TextList{u"2,00", u"2,00", u"1,00"}));
    EXPECT_EQ(k.ListBox5, (TextList{u"1,00", u"2,00", u"3,00"}));
    EXPECT_EQ(k.StringGrid2.cell(1, 4), u"Celková cena rostlin");
}

TEST_F(Plants, NamesUnlikeTheTablesReplaceThemInTheirNewRows) {
    readWithMode(kOba, {u"Tilia - lípa", u"Acer - javor", u"Malus - jabloň"});
    k.ListBox3 = {u"A003", u"Buxus sempervirens - zimostráz002", u"C001"};
    k.TrideniRostlin();
    EXPECT_EQ(column(1), (TextList{u"A", u"Buxus sempervirens - zimostráz", u"C"}));
    EXPECT_EQ(column(3), (TextList{u"3,00", u"2,00", u"1,00"}));
    EXPECT_EQ(column(0), (TextList{u"1", u"2", u"3"}));
}

// A row number outside the table stops the moves where they stand: the
// names and the quantities before it moved, nothing else.
TEST_F(Plants, BadRowNumberStopsTheMovesMidway) {
    readWithMode(kOba, {u"Tilia - lípa", u"Acer - javor", u"Malus - jabloň"});
    k.ListBox3 = {u"Acer - javor002", u"Malus - jabloň009", u"Tilia - lípa001"};
    try {
        k.TrideniRostlin();
        FAIL() << "no error";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "List index out of bounds (8)");
    }
    EXPECT_EQ(column(1), (TextList{u"Acer - javor", u"Malus - jabloň", u"Tilia - lípa"}));
    EXPECT_EQ(column(2), (TextList{u"1", u"1", u"1"}));
    EXPECT_EQ(column(3), (TextList{u"1,00", u"2,00", u"3,00"}));
    EXPECT_EQ(k.ListBox5, (TextList{u"1", u"1", u"1"}));
}

// More keys than the table has item rows: nothing moves.
TEST_F(Plants, MoreKeysThanRowsStopBeforeTheMoves) {
    readWithMode(kOba, {u"Tilia - lípa", u"Acer - javor"});
    k.ListBox3.push_back(u"Malus - jabloň003");
    k.ListBox3.push_back(u"Buxus - zimostráz004");
    k.ListBox4 = {u"kept"};
    try {
        k.TrideniRostlin();
        FAIL() << "no error";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "List index out of bounds (4)");
    }
    EXPECT_EQ(column(1), (TextList{u"Tilia - lípa", u"Acer - javor"}));
    EXPECT_EQ(k.ListBox4, (TextList{u"kept"}));
}

// A row number that is no number stops the moves as a bad one does.
TEST_F(Plants, RowNumberThatIsNoNumberStopsTheMoves) {
    readWithMode(kOba, {u"Tilia - lípa", u"Acer - javor"});
    k.ListBox3 = {u"Acer - javor002", u"Tilia - lípax01"};
    try {
        k.TrideniRostlin();
        FAIL() << "no error";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "'x01' is not a valid integer value");
    }
    EXPECT_EQ(column(1), (TextList{u"Acer - javor", u"Tilia - lípa"}));
    EXPECT_EQ(column(3), (TextList{u"1,00", u"2,00"}));
    EXPECT_EQ(k.ListBox4, (TextList{u"002", u"x01"}));
}

}  // namespace
}  // namespace ek::calc
