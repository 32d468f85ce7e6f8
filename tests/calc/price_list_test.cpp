#include "calc/price_list.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/error.h"
#include "calc/windows1250.h"

namespace ek::calc {
namespace {

constexpr const char* kHeaderBytes =
    "Kategorie\tSyst\xE9mov\xFD popis (nelze m\xECnit)\t"
    "U\x9Eivatelsk\xFD popis (nebo mezera pro syst\xE9mov\xFD)\tJednotkov\xE1 cena\r\n";

// Lines of a single-byte file as the material-list reader cuts them: CR and NUL
// dropped, an item per LF, no empty item after a final LF.
TextList readLines(const std::string& bytes) {
    TextList lines(1);
    for (const char16_t c : decodeWindows1250(bytes)) {
        if (c == u'\n') {
            lines.emplace_back();
        } else if (c != u'\r' && c != u'\0') {
            lines.back() += c;
        }
    }
    if (lines.size() > 1 && lines.back().empty())
        lines.pop_back();
    return lines;
}

TextGrid tableOf(std::initializer_list<std::initializer_list<const char16_t*>> items) {
    TextGrid table(4, static_cast<int>(items.size()) + 1);
    int row = 1;
    for (const auto& item : items) {
        table.setCell(0, row, fromUtf8(std::to_string(row)));
        int column = 1;
        for (const char16_t* cell : item)
            table.setCell(column++, row, cell);
        ++row;
    }
    return table;
}

TEST(PriceListTable, HeaderTwoItemsAndEnd) {
    const TextList lines = {
        u"Kategorie\tSystémový popis\tUživatelský popis\tJednotková cena",
        u"Rostliny\tAcer campestre\t \t5,00 Kč",
        u"Zahrada\tDlažba 30/30 cm (beton/žula)\tvlastní\t1\u00A0250,00 Kč\tnavíc\tještě",
        u"[End]",
    };
    const TextGrid table = priceListTable(lines);
    ASSERT_EQ(table.rowCount(), 3);
    const TextGrid expected =
        tableOf({{u"Rostliny", u"Acer campestre", u"5,00"},
                 {u"Zahrada", u"Dlažba 30/30 cm (beton/žula)", u"1\u00A0250,00"}});
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            SCOPED_TRACE(std::to_string(column) + "," + std::to_string(row));
            EXPECT_EQ(table.cell(column, row), expected.cell(column, row));
        }
    }
}

TEST(PriceListTable, ShortAndIncompleteLines) {
    const TextList lines = {u"header", u"", u"Jen kategorie", u"A\tB", u"A\tB\tC\tKč", u"end"};
    const TextGrid table = priceListTable(lines);
    ASSERT_EQ(table.rowCount(), 5);
    EXPECT_EQ(table.cell(0, 1), u"1");
    EXPECT_EQ(table.cell(1, 1), u"");
    EXPECT_EQ(table.cell(1, 2), u"Jen kategorie");
    EXPECT_EQ(table.cell(2, 2), u"");
    EXPECT_EQ(table.cell(1, 3), u"A");
    EXPECT_EQ(table.cell(2, 3), u"B");
    EXPECT_EQ(table.cell(3, 3), u"");
    EXPECT_EQ(table.cell(3, 4), u"");  // a price of three characters or fewer
    EXPECT_EQ(table.cell(0, 4), u"4");
}

TEST(PriceListTable, KeepsTheHeaderRowForFewLines) {
    for (std::size_t count = 0; count <= 2; ++count) {
        SCOPED_TRACE(count);
        const TextGrid table = priceListTable(TextList(count, u"a\tb\tc\td Kč"));
        EXPECT_EQ(table.rowCount(), 1);
        EXPECT_EQ(table.cell(1, 0), u"");
    }
}

TEST(PriceListFileBytes, ExactBytes) {
    const TextGrid table =
        tableOf({{u"Rostliny", u"Buk lesní", u"5,00"}, {u"Voda", u"Jezírko – fólie", u"1250,00"}});
    const std::string expected = std::string(kHeaderBytes) +
                                 "Rostliny\tBuk lesn\xED\t\t5,00 K\xE8\r\n"
                                 "Voda\tJez\xEDrko \x96 f\xF3lie\t\t1250,00 K\xE8\r\n"
                                 "[End]\r\n";
    EXPECT_EQ(priceListFileBytes(table), expected);
}

TEST(PriceListFileBytes, HeaderOnlyTable) {
    EXPECT_EQ(priceListFileBytes(TextGrid(4, 1)), std::string(kHeaderBytes) + "[End]\r\n");
}

TEST(PriceListFileBytes, ReadsBackToTheSameRows) {
    const TextGrid table = tableOf({
        {u"Rostliny", u"Kůň – šťovík ň Ň ů Ů č Č ř Ř ž Ž ď Ď ť Ť ě Ě", u"5,00"},
        {u"Zahrada", u"Dlažba 30/30 cm (beton/žula)", u"1\u00A0250,00"},
        {u"Stavba / Bazén", u"", u""},
        {u"", u"€ „uvozovky“ ‰ ˇ ß Ä Ő Ű", u"-12,5"},
    });
    const TextGrid readBack = priceListTable(readLines(priceListFileBytes(table)));
    EXPECT_EQ(readBack, table);
}

TEST(PriceListFileBytes, RefusesUnencodableCharacters) {
    struct Case {
        const char* name;
        TextGrid table;
        std::string message;
    };
    const Case cases[] = {
        {"macron in row 2", tableOf({{u"A", u"B", u"1,00"}, {u"C", u"Āda", u"2,00"}}),
         "Ā\" na řádku 2"},
        {"emoji in row 1", tableOf({{u"Květiny \U0001F337", u"B", u"1,00"}}),
         "\U0001F337\" na řádku 1"},
        {"superscript in the price", tableOf({{u"A", u"B", u"1,00"}, {u"A", u"B", u"3 m²"}}),
         "²\" na řádku 2"},
        {"first of several", tableOf({{u"A", u"x\u4E00Ā", u"1,00"}}), "\u4E00\" na řádku 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            priceListFileBytes(c.table);
            ADD_FAILURE() << "written";
        } catch (const CalcError& error) {
            EXPECT_EQ(error.what(), "Ceník nelze uložit: znak \"" + c.message +
                                        " nelze zapsat v kódování Windows-1250.");
        }
    }
}

}  // namespace
}  // namespace ek::calc
