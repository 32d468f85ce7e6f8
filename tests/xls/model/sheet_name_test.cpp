#include "xls/model/sheet_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "xls/model/workbook.h"

namespace xls {
namespace {

struct NameCase {
    const char* label;
    std::u16string name;
    bool acceptable;
};

TEST(SheetName, Rule) {
    const std::vector<std::u16string_view> others{u"Kalkulace rostlin", u"Data"};
    const NameCase cases[] = {
        {"31 code units", std::u16string(31, u'x'), true},
        {"32 code units", std::u16string(32, u'x'), false},
        {"slash", u"a/b", false},
        {"backslash", u"a\\b", false},
        {"colon", u"a:b", false},
        {"star", u"a*b", false},
        {"question mark", u"a?b", false},
        {"opening bracket", u"[a", false},
        {"closing bracket", u"a]", false},
        {"exact name of another", u"Data", false},
        {"other letter case of another", u"DATA", false},
        {"other case with accents", u"KALKULACE ROSTLIN", false},
        {"Czech letters", u"Kalkulace zahradních objektů", true},
        {"empty", u"", false},
        {"leading apostrophe", u"'a", false},
        {"trailing apostrophe", u"a'", false},
        {"inner apostrophe", u"a'b", true},
        {"single blank", u" ", true},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(IsAcceptableSheetName(c.name, others), c.acceptable) << c.label;
    }
}

TEST(SheetName, CaseFoldingCoversLettersBeyondAscii) {
    EXPECT_TRUE(SameSheetName(u"Kalkulace objektů", u"KALKULACE OBJEKTŮ"));
    EXPECT_TRUE(SameSheetName(u"čeština", u"ČEŠTINA"));
    EXPECT_FALSE(SameSheetName(u"cestina", u"čeština"));
}

TEST(SheetName, RenameKeepsTheOldNameWhenUnacceptable) {
    TXLSWorkbook book;
    IXLSWorksheet& first = book.Worksheets().Add();
    IXLSWorksheet& second = book.Worksheets().Add();
    first.SetName(u"Kalkulace rostlin");
    EXPECT_EQ(first.Name(), u"Kalkulace rostlin");
    second.SetName(u"Kalkulace rostlin");
    EXPECT_EQ(second.Name(), u"Sheet2");
    second.SetName(u"kalkulace ROSTLIN");
    EXPECT_EQ(second.Name(), u"Sheet2");
    second.SetName(std::u16string(32, u'a'));
    EXPECT_EQ(second.Name(), u"Sheet2");
    second.SetName(u"");
    EXPECT_EQ(second.Name(), u"Sheet2");
    // A sheet is not compared with itself: a change of letter case is fine.
    first.SetName(u"KALKULACE rostlin");
    EXPECT_EQ(first.Name(), u"KALKULACE rostlin");
}

}  // namespace
}  // namespace xls
