#include "xls/model/worksheet.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/xls/model/cell_format_probe.h"
#include "xls/formats/font.h"
#include "xls/model/workbook.h"
#include "xls/model/worksheets.h"

namespace xls {
namespace {

using testing::FormatAt;

class WorksheetTest : public ::testing::Test {
  protected:
    const TXLSCellRef& CellAt(int row, int column) const {
        const TXLSCellRef* cell = sheet.Cell(RowIndex{static_cast<std::uint16_t>(row - 1)},
                                             ColumnIndex{static_cast<std::uint8_t>(column - 1)});
        EXPECT_NE(cell, nullptr) << row << ", " << column;
        static const TXLSCellRef none{};
        return cell != nullptr ? *cell : none;
    }
    std::u16string TextAt(int row, int column) const {
        return std::u16string(book.StringTable().Text(CellAt(row, column).TextIndex()));
    }
    void Set(int row, int column, const Variant& value) {
        sheet.Cells().Item(row, column).SetValue(value);
    }

    TXLSWorkbook book;
    IXLSWorksheet& sheet = book.Worksheets().Add();
    const TXLSStringTable& strings = book.StringTable();
};

TEST_F(WorksheetTest, TextRules) {
    struct Case {
        const char* label;
        std::u16string given;
        CellKind kind;
        std::u16string stored;
        bool wrap;
    };
    const Case cases[] = {
        {"plain", u"Jméno rostliny", CellKind::Text, u"Jméno rostliny", false},
        {"apostrophe removed", u"'007", CellKind::Text, u"007", false},
        {"apostrophe before =", u"'=A1", CellKind::Text, u"=A1", false},
        {"= text kept as text", u"=SUM(A1:A3)", CellKind::Text, u"=SUM(A1:A3)", false},
        {"one blank", u" ", CellKind::Text, u" ", false},
        {"line feed wraps", u"a\nb", CellKind::Text, u"a\nb", true},
        {"apostrophe only", u"'", CellKind::Text, u"", false},
        {"empty", u"", CellKind::Blank, u"", false},
    };
    int row = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Set(row, 1, c.given);
        EXPECT_EQ(CellAt(row, 1).Kind(), c.kind);
        if (c.kind == CellKind::Text) {
            EXPECT_EQ(TextAt(row, 1), c.stored);
        } else {
            EXPECT_EQ(CellAt(row, 1).TextIndex(), -1);
        }
        EXPECT_EQ(FormatAt(sheet, row, 1).fields.WrapText(), c.wrap);
        ++row;
    }
    // The apostrophe alone leaves an empty text cell, unlike the empty text.
    EXPECT_GT(strings.Find(u""), 0);
}

TEST_F(WorksheetTest, EmptyTextAddsNothingToTheStringTable) {
    Set(1, 1, u"");
    EXPECT_EQ(strings.DistinctCount(), 0U);
    EXPECT_EQ(strings.TotalReferences(), 0U);
    EXPECT_EQ(CellAt(1, 1).Kind(), CellKind::Blank);
}

TEST_F(WorksheetTest, LiteralTextIsStoredExactly) {
    sheet.Range(1, 1, 1, 1).SetLiteralText(u"'007");
    sheet.Range(2, 1, 2, 1).SetLiteralText(u"=A1");
    sheet.Range(3, 1, 3, 1).SetLiteralText(u"řádek\ndalší");
    sheet.Range(4, 1, 4, 1).SetLiteralText(u"");
    EXPECT_EQ(TextAt(1, 1), u"'007");
    EXPECT_EQ(TextAt(2, 1), u"=A1");
    EXPECT_EQ(TextAt(3, 1), u"řádek\ndalší");
    EXPECT_TRUE(FormatAt(sheet, 3, 1).fields.WrapText());
    EXPECT_EQ(CellAt(4, 1).Kind(), CellKind::Blank);
    EXPECT_EQ(book.ChangeCount(), 5U);
}

TEST_F(WorksheetTest, LongTextsAreCutToTheCellLimit) {
    Set(1, 1, std::u16string(40000, u'x'));
    EXPECT_EQ(TextAt(1, 1).size(), 32767U);
    std::u16string pair(32766, u'y');
    pair += u"\U0001F600tail";  // the pair would take units 32767 and 32768
    sheet.Range(2, 1, 2, 1).SetLiteralText(pair);
    EXPECT_EQ(TextAt(2, 1).size(), 32766U);
}

TEST_F(WorksheetTest, NumbersDatesAndBooleans) {
    Set(1, 1, 42);
    Set(1, 2, 2.5);
    Set(1, 3, Variant::Date(45000.25));
    Set(1, 4, true);
    Set(1, 5, false);
    Set(1, 6, Variant::Currency(123456));
    Set(1, 7, std::uint64_t{7});
    Set(1, 8, static_cast<std::int8_t>(-3));
    Set(1, 9, 1.5f);
    EXPECT_EQ(CellAt(1, 1).Kind(), CellKind::Number);
    EXPECT_EQ(CellAt(1, 1).Number(), 42.0);
    EXPECT_EQ(CellAt(1, 2).Number(), 2.5);
    EXPECT_EQ(CellAt(1, 3).Kind(), CellKind::Date);
    EXPECT_EQ(CellAt(1, 3).Number(), 45000.25);
    EXPECT_EQ(CellAt(1, 4).Kind(), CellKind::Boolean);
    EXPECT_EQ(CellAt(1, 4).Number(), 1.0);
    EXPECT_EQ(CellAt(1, 5).Number(), 0.0);
    EXPECT_EQ(CellAt(1, 6).Number(), 12.3456);
    EXPECT_EQ(CellAt(1, 7).Number(), 7.0);
    EXPECT_EQ(CellAt(1, 8).Number(), -3.0);
    EXPECT_EQ(CellAt(1, 9).Number(), 1.5);
    Set(1, 1, Variant::Null());
    EXPECT_EQ(CellAt(1, 1).Kind(), CellKind::Blank);
    EXPECT_EQ(CellAt(1, 1).Number(), 0.0);
}

TEST_F(WorksheetTest, SameTextInAHundredCellsIsOneEntry) {
    sheet.Range(1, 1, 100, 1).SetValue(u"kus");
    const std::int32_t number = strings.Find(u"kus");
    ASSERT_GT(number, 0);
    EXPECT_EQ(strings.ReferenceCount(number), 100U);
    EXPECT_EQ(strings.DistinctCount(), 1U);
    for (int row = 1; row <= 100; ++row) {
        EXPECT_EQ(CellAt(row, 1).TextIndex(), number);
    }
    sheet.Range(1, 1, 100, 1).SetValue(5);
    EXPECT_EQ(strings.ReferenceCount(number), 0U);
    EXPECT_EQ(strings.Find(u"kus"), 0);
    EXPECT_EQ(strings.TotalReferences(), 0U);
    EXPECT_EQ(strings.DistinctCount(), 0U);
}

TEST_F(WorksheetTest, ValueCountsOneChangePerAssignment) {
    EXPECT_EQ(book.ChangeCount(), 1U);
    sheet.Range(1, 1, 3, 3).SetValue(1);
    sheet.Range(1, 1, 1, 1).SetValue(Variant());
    EXPECT_EQ(book.ChangeCount(), 3U);
}

TEST_F(WorksheetTest, CodePageTextIsDecoded) {
    // "Celková cena" in Windows-1250: á is 0xE1.
    Set(1, 1, Variant::FromCodePage("Celkov\xE1 cena"));
    EXPECT_EQ(TextAt(1, 1), u"Celková cena");
}

TEST_F(WorksheetTest, UsedAreaAndRowEntriesFollowTheCells) {
    EXPECT_TRUE(sheet.UsedArea().Empty());
    EXPECT_EQ(sheet.UsedArea().columnCount, 0);
    Set(5, 3, 1);
    Set(2, 7, 1);
    Set(5, 2, 1);
    const TXLSUsedArea& used = sheet.UsedArea();
    EXPECT_EQ(used.firstRow, 1);
    EXPECT_EQ(used.lastRow, 4);
    EXPECT_EQ(used.rowCount, 4);
    EXPECT_EQ(used.firstColumn, 1);
    EXPECT_EQ(used.lastColumn, 6);
    EXPECT_EQ(used.columnCount, 6);
    const TXLSRowInfo* row5 = sheet.Rows().Find(RowIndex{4});
    ASSERT_NE(row5, nullptr);
    EXPECT_EQ(row5->firstColumn, 1);
    EXPECT_EQ(row5->lastColumn, 2);
    EXPECT_EQ(row5->height, 255);
    EXPECT_FALSE(row5->ownHeight);
    EXPECT_EQ(row5->xf, kDefaultCellXf);
    EXPECT_EQ(sheet.Rows().Count(), 2);
    EXPECT_EQ(sheet.Rows().LowestRow(), RowIndex{1});
    EXPECT_EQ(sheet.Rows().HighestRow(), RowIndex{4});
    EXPECT_EQ(sheet.Rows().Find(RowIndex{2}), nullptr);
}

TEST_F(WorksheetTest, FirstCellOfARowGetsXf0AndLaterOnesXf15) {
    Set(1, 1, 1);
    Set(1, 2, 1);
    EXPECT_EQ(CellAt(1, 1).Xf().value, 0);
    EXPECT_FALSE(CellAt(1, 1).OwnsXf());
    EXPECT_EQ(CellAt(1, 2).Xf().value, 15);
    EXPECT_EQ(sheet.EffectiveXf(RowIndex{0}, ColumnIndex{0}), kDefaultCellXf);
    EXPECT_EQ(book.XFList().Count(), 21);
}

TEST_F(WorksheetTest, MergeKeepsTheMasterValueAndIgnoresLaterValuesOnOtherCells) {
    Set(1, 1, u"Kalkulace");
    Set(1, 2, u"gone");
    sheet.Range(1, 1, 1, 5).Merge(false);
    const TXLSMergedArea* area = sheet.MergedAreas().FindByMaster(RowIndex{0}, ColumnIndex{0});
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->rowSpan, 1U);
    EXPECT_EQ(area->columnSpan, 5U);
    EXPECT_EQ(TextAt(1, 1), u"Kalkulace");
    EXPECT_TRUE(CellAt(1, 1).MergeMaster());
    EXPECT_EQ(CellAt(1, 2).Kind(), CellKind::Blank);
    EXPECT_EQ(strings.Find(u"gone"), 0);
    for (int column = 1; column <= 5; ++column) {
        EXPECT_TRUE(CellAt(1, column).Merged());
        EXPECT_EQ(CellAt(1, column).MergeMaster(), column == 1);
        EXPECT_EQ(sheet.MergedAreas().FindContaining(
                      RowIndex{0}, ColumnIndex{static_cast<std::uint8_t>(column - 1)}),
                  area);
    }
    Set(1, 2, u"ignored");
    EXPECT_EQ(CellAt(1, 2).Kind(), CellKind::Blank);
    EXPECT_EQ(strings.Find(u"ignored"), 0);
    Set(1, 1, u"Nový");
    EXPECT_EQ(TextAt(1, 1), u"Nový");
}

TEST_F(WorksheetTest, AFormulaGoesWithAnotherValueOrWhenMergedIntoAnArea) {
    const auto sum = TXLSFormula::Sum({RowIndex{0}, RowIndex{1}, ColumnIndex{0}, ColumnIndex{0}});
    Set(3, 1, u"text first");
    sheet.Range(3, 1, 3, 3).SetFormula(sum, 12.5);
    EXPECT_EQ(strings.Find(u"text first"), 0);
    EXPECT_EQ(CellAt(3, 3).Kind(), CellKind::Formula);
    EXPECT_EQ(CellAt(3, 3).Number(), 12.5);
    EXPECT_EQ(sheet.Formulas().Count(), 3u);
    Set(3, 1, 7.0);
    Set(3, 2, Variant());
    sheet.Range(3, 2, 3, 3).Merge();  // C3 is no master: cleared
    EXPECT_EQ(CellAt(3, 1).Kind(), CellKind::Number);
    EXPECT_EQ(CellAt(3, 3).Kind(), CellKind::Blank);
    EXPECT_EQ(sheet.Formulas().Count(), 0u);
}

TEST_F(WorksheetTest, MergeOfOneCellAndAcrossOneColumn) {
    sheet.Range(3, 3, 3, 3).Merge();
    const TXLSMergedArea* single = sheet.MergedAreas().FindByMaster(RowIndex{2}, ColumnIndex{2});
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(single->rowSpan, 1U);
    EXPECT_EQ(single->columnSpan, 1U);
    sheet.Range(5, 1, 7, 1).Merge(true);
    for (std::uint16_t row = 4; row <= 6; ++row) {
        const TXLSMergedArea* area =
            sheet.MergedAreas().FindByMaster(RowIndex{row}, ColumnIndex{0});
        ASSERT_NE(area, nullptr) << row;
        EXPECT_EQ(area->rowSpan, 1U);
        EXPECT_EQ(area->columnSpan, 1U);
    }
}

TEST_F(WorksheetTest, MergeAcrossMakesOneAreaPerRow) {
    sheet.Range(2, 2, 4, 4).SetValue(u"v");
    sheet.Range(2, 2, 4, 4).Merge(Variant(1));
    EXPECT_EQ(sheet.MergedAreas().Count(), 3U);
    for (int row = 2; row <= 4; ++row) {
        EXPECT_TRUE(CellAt(row, 2).MergeMaster());
        EXPECT_EQ(TextAt(row, 2), u"v");
        EXPECT_EQ(CellAt(row, 3).Kind(), CellKind::Blank);
    }
    EXPECT_EQ(strings.ReferenceCount(strings.Find(u"v")), 3U);
}

TEST_F(WorksheetTest, MergeAcrossArgument) {
    struct Case {
        Variant across;
        std::size_t areas;
    };
    const Case cases[] = {{Variant(true), 2}, {Variant(false), 1}, {Variant(0), 1},
                          {Variant(2.5), 2},  {Variant(-1), 1},    {Variant(), 1}};
    for (const Case& c : cases) {
        TXLSWorkbook other;
        IXLSWorksheet& s = other.Worksheets().Add();
        s.Range(1, 1, 2, 2).Merge(c.across);
        EXPECT_EQ(s.MergedAreas().Count(), c.areas);
    }
}

TEST_F(WorksheetTest, MergeWidensOverAreasCrossingItsBorder) {
    sheet.Range(1, 3, 2, 4).Merge();  // C1:D2
    sheet.Range(3, 4, 5, 5).Merge();  // D3:E5
    Set(3, 4, u"lower master");
    // B2:C3 crosses C1:D2; widened to B1:D3, which crosses D3:E5; then B1:E5.
    sheet.Range(2, 2, 3, 3).Merge();
    EXPECT_EQ(sheet.MergedAreas().Count(), 1U);
    const TXLSMergedArea* area = sheet.MergedAreas().FindByMaster(RowIndex{0}, ColumnIndex{1});
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->rowSpan, 5U);
    EXPECT_EQ(area->columnSpan, 4U);
    EXPECT_FALSE(CellAt(1, 3).MergeMaster());
    EXPECT_EQ(CellAt(3, 4).Kind(), CellKind::Blank);
    EXPECT_EQ(strings.DistinctCount(), 0U);
}

TEST_F(WorksheetTest, MergeLeavesSeparateAreasAlone) {
    sheet.Range(1, 1, 1, 2).Merge();
    sheet.Range(3, 1, 3, 2).Merge();
    EXPECT_EQ(sheet.MergedAreas().Count(), 2U);
    sheet.Range(1, 1, 1, 2).Merge();  // the same area again
    EXPECT_EQ(sheet.MergedAreas().Count(), 2U);
}

TEST_F(WorksheetTest, DefaultsForTheWriter) {
    EXPECT_EQ(sheet.DefaultRowHeight(), 255);
    EXPECT_EQ(sheet.DefaultColumnWidth(), 2340);
    EXPECT_EQ(sheet.Visibility(), SheetVisibility::Visible);
    EXPECT_EQ(sheet.PageSetup().leftMargin, 0.75);
    EXPECT_EQ(sheet.PageSetup().topMargin, 1.0);
    EXPECT_TRUE(sheet.PageSetup().printGridlines);
    EXPECT_TRUE(sheet.PageSetup().portrait);
    EXPECT_EQ(sheet.Window().zoom, 100);
    EXPECT_EQ(sheet.Window().selection.activePane, 3);
    EXPECT_EQ(sheet.Rows().Default().xf, kNormalStyleXf);
    EXPECT_EQ(sheet.Columns().Default().xf, kNormalStyleXf);
}

}  // namespace
}  // namespace xls
