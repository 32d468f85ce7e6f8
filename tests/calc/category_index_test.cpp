#include "calc/category_index.h"

#include <gtest/gtest.h>

#include "calc/error.h"
#include "calc/whole_number.h"

namespace ek::calc {
namespace {

// A working table whose column 1 holds `names` in rows 1, 2, ...
TextGrid tableOf(const TextList& names) {
    TextGrid table(5, static_cast<int>(names.size()) + 1);
    for (std::size_t i = 0; i < names.size(); ++i) {
        table.setCell(1, static_cast<int>(i) + 1, names[i]);
    }
    return table;
}

const TextList kWorkedExample{u"Zahrada u domu",
                              u"Rostliny projektu zahrady",
                              u"Položka 1 Acer",
                              u"Ostatní objekty zahrady",
                              u"Lavička (dřevo/kov)",
                              u"Nástroje",
                              u"Lampa"};

TEST(CategoryIndex, WorkedExample) {
    const TextList index = categoryIndex(tableOf(kWorkedExample));
    ASSERT_EQ(index.size(), 8u);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_TRUE(index[i].starts_with(u"000 ")) << toUtf8(index[i]);
    EXPECT_EQ(index[5], u"002 Rost");
    EXPECT_EQ(index[6], u"004 Zahr");
    EXPECT_EQ(index[7], u"006 Nast");

    struct Expected {
        const char16_t* key;
        std::int64_t start;
        std::int64_t end;
    };
    for (const Expected& e :
         {Expected{u"Rost", 2, 3}, Expected{u"Zahr", 4, 5}, Expected{u"Nast", 6, 7}}) {
        const CategoryRange range = findCategory(index, e.key, 7);
        EXPECT_EQ(range.start, e.start) << toUtf8(e.key);
        EXPECT_EQ(range.end, e.end) << toUtf8(e.key);
    }
    EXPECT_EQ(findCategory(index, u"Bazé", 7).start, 0);
    EXPECT_EQ(findCategory(index, u"Xxxx", 7).start, 0);
    EXPECT_EQ(findCategory(index, u"Xxxx", 7).end, 0);
}

TEST(CategoryIndex, TitlesMatchWholeAndExactly) {
    const TextList index =
        categoryIndex(tableOf({u"stavba", u"Stavba ", u"Bazén", u"Bazen", u"Terén\t", u"Silnice"}));
    EXPECT_EQ(findCategory(index, u"Stav", 6).start, 0);
    EXPECT_EQ(findCategory(index, u"Bazé", 6).start, 3);
    EXPECT_EQ(findCategory(index, u"Teré", 6).start, 0);
    EXPECT_EQ(findCategory(index, u"Siln", 6).start, 6);
}

TEST(CategoryIndex, LastOccurrenceOfATitleWins) {
    const TextList index = categoryIndex(tableOf({u"Stavba", u"a", u"Stavba", u"b"}));
    EXPECT_EQ(findCategory(index, u"Stav", 4).start, 3);
    EXPECT_EQ(findCategory(index, u"Stav", 4).end, 4);
}

TEST(CategoryIndex, HeaderFollowedDirectlyByTheNext) {
    const TextList index = categoryIndex(tableOf({u"Stavba", u"Bazén", u"x"}));
    EXPECT_EQ(findCategory(index, u"Stav", 3).start, 1);
    EXPECT_EQ(findCategory(index, u"Stav", 3).end, 1);
    EXPECT_EQ(findCategory(index, u"Bazé", 3).end, 3);
}

TEST(CategoryIndex, RowsOfHundredAndMoreAreWrittenWithoutPadding) {
    TextList names(150, u"x");
    names[9] = u"Silnice";     // row 10
    names[122] = u"Nástroje";  // row 123
    const TextList index = categoryIndex(tableOf(names));
    EXPECT_EQ(index[6], u"010 Siln");
    EXPECT_EQ(index[7], u"123 Nast");
    EXPECT_EQ(findCategory(index, u"Siln", 150).end, 122);
    EXPECT_EQ(findCategory(index, u"Nast", 150).end, 150);
}

TEST(CategoryIndex, HeadersBeyondRow1000KeepTheirOrder) {
    TextList names(1500, u"x");
    names[4] = u"Nástroje";                     // row 5
    names[998] = u"Rostliny projektu zahrady";  // row 999
    names[1199] = u"Stavba";                    // row 1200
    const TextList index = categoryIndex(tableOf(names));
    EXPECT_EQ(index[0], u"0000 Bazé");
    EXPECT_EQ(index[5], u"0005 Nast");
    EXPECT_EQ(index[6], u"0999 Rost");
    EXPECT_EQ(index[7], u"1200 Stav");
    EXPECT_EQ(findCategory(index, u"Nast", 1500).end, 998);
    EXPECT_EQ(findCategory(index, u"Rost", 1500).start, 999);
    EXPECT_EQ(findCategory(index, u"Rost", 1500).end, 1199);
    EXPECT_EQ(findCategory(index, u"Stav", 1500).end, 1500);
}

TEST(WholeNumber, ParsesAsTheWorkingStateWritesThem) {
    EXPECT_EQ(parseWholeNumber(u"1373000"), 1373000);
    EXPECT_EQ(parseWholeNumber(u"  -12"), -12);
    EXPECT_EQ(parseWholeNumber(u"+007"), 7);
    EXPECT_EQ(parseWholeNumber(u"9223372036854775807"), INT64_MAX);
    EXPECT_EQ(parseWholeNumber(u"-9223372036854775808"), INT64_MIN);
    for (const char16_t* bad : {u"", u" ", u"-", u"12 ", u"1,5", u"1.5", u"x1",
                                u"9223372036854775808", u"-9223372036854775809"}) {
        EXPECT_THROW(parseWholeNumber(bad), CalcError) << toUtf8(bad);
    }
    try {
        parseWholeNumber(u"12a");
    } catch (const CalcError& error) {
        EXPECT_STREQ(error.what(), "'12a' is not a valid integer value");
    }
}

}  // namespace
}  // namespace ek::calc
