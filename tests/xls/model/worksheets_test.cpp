#include "xls/model/worksheets.h"

#include <gtest/gtest.h>

#include "xls/model/workbook.h"

namespace xls {
namespace {

TEST(Worksheets, NewWorkbookHasNoSheetsAndAddNamesThemInTurn) {
    TXLSWorkbook book;
    IXLSWorkSheets& sheets = book.Worksheets();
    EXPECT_EQ(sheets.Count(), 0);
    EXPECT_EQ(sheets.ActivePosition(), 0);
    IXLSWorksheet& first = sheets.Add();
    IXLSWorksheet& second = sheets.Add();
    EXPECT_EQ(first.Name(), u"Sheet1");
    EXPECT_EQ(second.Name(), u"Sheet2");
    EXPECT_EQ(first.Position(), 1);
    EXPECT_EQ(second.Position(), 2);
    EXPECT_EQ(first.Identifier(), 1);
    EXPECT_EQ(second.Identifier(), 2);
    EXPECT_EQ(sheets.Item(2), &second);
    EXPECT_EQ(sheets.Item(0), nullptr);
    EXPECT_EQ(sheets.Item(3), nullptr);
}

TEST(Worksheets, FirstSheetAddedIsTheOnlySelectedAndTheActiveOne) {
    TXLSWorkbook book;
    IXLSWorksheet& first = book.Worksheets().Add();
    IXLSWorksheet& second = book.Worksheets().Add();
    EXPECT_TRUE(first.Selected());
    EXPECT_FALSE(second.Selected());
    EXPECT_EQ(book.Worksheets().SelectedCount(), 1);
    EXPECT_EQ(book.Worksheets().ActivePosition(), 1);
}

TEST(Worksheets, DefaultNameSkipsTakenNames) {
    TXLSWorkbook book;
    book.Worksheets().Add().SetName(u"Sheet2");
    EXPECT_EQ(book.Worksheets().Add().Name(), u"Sheet3");
    // Names are compared ignoring case, so "sheet4" also blocks "Sheet4".
    book.Worksheets().Item(1)->SetName(u"sheet4");
    EXPECT_EQ(book.Worksheets().Add().Name(), u"Sheet5");
}

TEST(Worksheets, IteratesInCollectionOrder) {
    TXLSWorkbook book;
    for (int i = 0; i < 3; ++i) {
        book.Worksheets().Add();
    }
    book.Worksheets().Item(2)->SetName(u"Middle");
    std::vector<std::u16string> names;
    book.Worksheets().ForEach([&](const IXLSWorksheet& sheet) { names.push_back(sheet.Name()); });
    EXPECT_EQ(names, (std::vector<std::u16string>{u"Sheet1", u"Middle", u"Sheet3"}));
}

}  // namespace
}  // namespace xls
