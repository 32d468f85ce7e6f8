#include "calc/working_table.h"

#include <gtest/gtest.h>

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

TEST(WorkingTable, RowsHoldAllButTheLastItem) {
    TextGrid table(5, 50);
    table.setCell(1, 0, u"hlavička");
    splitIntoWorkingTable({u"Zahrada u domu", u"Stavba", u"Zeď\t1\t2\t3\t4\t5", u"Konec"}, table);
    EXPECT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.cell(1, 0), u"hlavička");  // the header row is left alone
    EXPECT_EQ(table.cell(0, 1), u"1");
    EXPECT_EQ(table.cell(1, 1), u"Zahrada u domu");
    EXPECT_EQ(table.cell(0, 3), u"3");
    EXPECT_EQ(table.cell(4, 3), u"3");
    EXPECT_EQ(table.cell(6, 3), u"5");  // fields past the fourth go further right
}

TEST(WorkingTable, NoCellOfAnEarlierFileSurvives) {
    TextGrid table(5, 1);
    splitIntoWorkingTable({u"a\t1\t2,00 Kč\t2,00 Kč\tx", u"b\t1\t3,00 Kč\t3,00 Kč", u"Konec"},
                          table);
    splitIntoWorkingTable({u"c", u"", u"Konec"}, table);
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.cell(1, 1), u"c");
    for (int column = 2; column < 6; ++column)
        EXPECT_EQ(table.cell(column, 1), u"") << column;
    EXPECT_EQ(table.cell(0, 2), u"2");
    for (int column = 1; column < 6; ++column)
        EXPECT_EQ(table.cell(column, 2), u"") << column;
}

TEST(WorkingTable, FewerThanTwoItemsLeaveOnlyTheHeaderRow) {
    TextGrid table(5, 50);
    splitIntoWorkingTable({u"jediný"}, table);
    EXPECT_EQ(table.rowCount(), 1);
    splitIntoWorkingTable({}, table);
    EXPECT_EQ(table.rowCount(), 1);
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
