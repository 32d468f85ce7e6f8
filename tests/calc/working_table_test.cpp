#include "calc/working_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ek::calc {
namespace {

TEST(WorkingTable, FieldsAreCutAtTabsOnly) {
    EXPECT_EQ(fieldsOfLine(u"Dlažba 30/30 cm\t12 m²\t450,00 Kč\t5\u00A0400,00 Kč"),
              (TextList{u"Dlažba 30/30 cm", u"12 m²", u"450,00 Kč", u"5\u00A0400,00 Kč"}));
    EXPECT_EQ(fieldsOfLine(u"Lavička (dřevo/kov)"), TextList{u"Lavička (dřevo/kov)"});
    EXPECT_EQ(fieldsOfLine(u"/a/b)/c"), TextList{u"/a/b)/c"});
    EXPECT_EQ(fieldsOfLine(u"a\t"), (TextList{u"a", u""}));
    EXPECT_EQ(fieldsOfLine(u"\ta"), (TextList{u"", u"a"}));
    EXPECT_EQ(fieldsOfLine(u"a\t\tb"), (TextList{u"a", u"", u"b"}));
    EXPECT_EQ(fieldsOfLine(u""), TextList{});
    // Units that are close to a tab, or hold its byte, are no tabs.
    EXPECT_EQ(fieldsOfLine(u"\u0900\u0109\u0008\u000A\u0909\u1009x\ty"),
              (TextList{u"\u0900\u0109\u0008\u000A\u0909\u1009x", u"y"}));
    // A tab at every place within and across groups of units.
    for (std::size_t at = 0; at < 21; ++at) {
        std::u16string line(21, u'a');
        line[at] = u'\t';
        EXPECT_EQ(fieldsOfLine(line),
                  (TextList{std::u16string(at, u'a'), std::u16string(20 - at, u'a')}))
            << at;
    }
}

TEST(WorkingTable, FieldsPastTheFourthStayTogether) {
    EXPECT_EQ(fieldsOfLine(u"a\tb\tc\td\te\tf\t\tg"),
              (TextList{u"a", u"b", u"c", u"d", u"e\tf\t\tg"}));
    EXPECT_EQ(fieldsOfLine(u"a\tb\tc\td\t"), (TextList{u"a", u"b", u"c", u"d", u""}));
    EXPECT_EQ(fieldsOfLine(u"\t\t\t\t\t\t"), (TextList{u"", u"", u"", u"", u"\t\t"}));
}

// Rows of the table, each as its cells from column 1 on (up to the table's width).
std::vector<TextList> rowsOf(const TextGrid& table) {
    std::vector<TextList> rows;
    for (int row = 1; row < table.rowCount(); ++row) {
        TextList cells;
        for (int column = 1; column < table.columnCount(); ++column)
            cells.emplace_back(table.cell(column, row));
        while (!cells.empty() && cells.back().empty())
            cells.pop_back();
        rows.push_back(cells);
    }
    return rows;
}

TEST(WorkingTable, RowsUpToTheLastItemOrTitleWhateverCloses) {
    struct Case {
        const char* name;
        TextList items;
        std::vector<TextList> rows;
    };
    const TextList list = {u"Zahrada", u"Stavba", u"Zeď\t1\t2\t3"};
    const std::vector<TextList> listRows = {{u"Zahrada"}, {u"Stavba"}, {u"Zeď", u"1", u"2", u"3"}};
    const auto with = [](auto list, auto more) {
        list.insert(list.end(), more.begin(), more.end());
        return list;
    };
    const Case cases[] = {
        {"the closing line", with(list, TextList{u"Konec"}), listRows},
        {"no closing line", list, listRows},
        {"empty lines after it", with(list, TextList{u"Konec", u"", u""}), listRows},
        {"lines without TAB", with(list, TextList{u"", u"Poznámka", u"Konec"}), listRows},
        {"a last title without items", with(list, TextList{u"Nástroje", u"Konec"}),
         with(listRows, std::vector<TextList>{{u"Nástroje"}})},
        {"a title with a TAB", {u"Bazén\t"}, {{u"Bazén"}}},
        {"closing lines only", {u"Zahrada", u"Konec"}, {}},
        {"nothing", {}, {}},
        {"an empty line", {u""}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextGrid table(5, 50);
        table.setCell(1, 0, u"hlavička");
        splitIntoWorkingTable(c.items, table);
        EXPECT_EQ(table.cell(1, 0), u"hlavička");  // the header row is left alone
        EXPECT_EQ(rowsOf(table), c.rows);
        for (int row = 1; row < table.rowCount(); ++row)
            EXPECT_EQ(table.cell(0, row), fromUtf8(std::to_string(row)));
    }
}

TEST(WorkingTable, ManyTabsWidenTheTableByOneColumnOnly) {
    TextGrid table(5, 1);
    const Text tabs(100000, u'\t');
    splitIntoWorkingTable({u"Stavba", u"Zeď" + tabs, u"Plot\t1\t2\t3\t4\t5"}, table);
    EXPECT_EQ(table.columnCount(), 6);
    EXPECT_EQ(table.cell(5, 2), Text(99996, u'\t'));
    EXPECT_EQ(table.cell(5, 3), u"4\t5");
}

TEST(WorkingTable, NoCellOfAnEarlierFileSurvives) {
    TextGrid table(5, 1);
    splitIntoWorkingTable({u"a\t1\t2,00 Kč\t2,00 Kč\tx", u"b\t1\t3,00 Kč\t3,00 Kč", u"Konec"},
                          table);
    splitIntoWorkingTable({u"c\t", u"Stavba", u"Konec"}, table);
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.cell(1, 1), u"c");
    for (int column = 2; column < 6; ++column)
        EXPECT_EQ(table.cell(column, 1), u"") << column;
    EXPECT_EQ(table.cell(0, 2), u"2");
    for (int column = 2; column < 6; ++column)
        EXPECT_EQ(table.cell(column, 2), u"") << column;
}

TEST(WorkingTable, LongLinesStayWhole) {
    const std::u16string name(3000, u'ř');
    TextGrid table(5, 1);
    splitIntoWorkingTable({name + u"\t1\t" + name, u"Konec"}, table);
    EXPECT_EQ(table.cell(1, 1), name);
    EXPECT_EQ(table.cell(3, 1), name);
}

}  // namespace
}  // namespace ek::calc
