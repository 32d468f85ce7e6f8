#include "xls/model/range.h"

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <vector>

#include "tests/xls/model/cell_format_probe.h"
#include "xls/formats/borders.h"
#include "xls/formats/font.h"
#include "xls/formats/interior.h"
#include "xls/io/save_as.h"
#include "xls/model/errors.h"
#include "xls/model/workbook.h"
#include "xls/model/worksheet.h"

namespace xls {
namespace {

using testing::FormatAt;

struct Rect {
    int firstRow, lastRow, firstColumn, lastColumn;  // 1-based
};

Rect RectOf(const IXLSRange& range) {
    const TXLSCellArea& area = range.Area();
    return {area.firstRow.value + 1, area.lastRow.value + 1, area.firstColumn.value + 1,
            area.lastColumn.value + 1};
}

class RangeTest : public ::testing::Test {
  protected:
    TXLSWorkbook book;
    IXLSWorksheet& sheet = book.Worksheets().Add();
};

TEST_F(RangeTest, ClampsAndSwaps) {
    struct Case {
        int row1, column1, row2, column2;
        Rect expected;
    };
    const Case cases[] = {
        {0, 0, 3, 2, {1, 3, 1, 2}},
        {5, 4, 2, 1, {2, 5, 1, 4}},
        {1, 1, 70000, 300, {1, 65536, 1, 256}},
        {-7, 300, -2, 299, {1, 1, 256, 256}},
        {65536, 256, 65536, 256, {65536, 65536, 256, 256}},
    };
    for (const Case& c : cases) {
        const Rect got = RectOf(sheet.Range(c.row1, c.column1, c.row2, c.column2));
        EXPECT_EQ(got.firstRow, c.expected.firstRow);
        EXPECT_EQ(got.lastRow, c.expected.lastRow);
        EXPECT_EQ(got.firstColumn, c.expected.firstColumn);
        EXPECT_EQ(got.lastColumn, c.expected.lastColumn);
    }
}

TEST_F(RangeTest, Kinds) {
    EXPECT_EQ(sheet.Cells().Kind(), RangeKind::WholeColumns);
    EXPECT_EQ(sheet.Range(1, 2, 65536, 2).Kind(), RangeKind::WholeColumns);
    EXPECT_EQ(sheet.Range(3, 1, 4, 256).Kind(), RangeKind::WholeRows);
    EXPECT_EQ(sheet.Range(1, 1, 65535, 255).Kind(), RangeKind::CellBlock);
}

TEST_F(RangeTest, ItemIsRelativeToTheRangeAndMayLieOutsideIt) {
    const Rect item = RectOf(sheet.Range(2, 2, 2, 2).Item(3, 3));
    EXPECT_EQ(item.firstRow, 4);
    EXPECT_EQ(item.lastRow, 4);
    EXPECT_EQ(item.firstColumn, 4);
    const Rect back = RectOf(sheet.Range(5, 5, 6, 6).Item(0, -1));
    EXPECT_EQ(back.firstRow, 4);
    EXPECT_EQ(back.firstColumn, 3);
    const Rect last = RectOf(sheet.Cells().Item(65536, 256));
    EXPECT_EQ(last.firstRow, 65536);
    EXPECT_EQ(last.firstColumn, 256);
}

TEST_F(RangeTest, ItemOutsideTheSheetThrows) {
    const auto expectInvalid = [](const IXLSRange& range, int row, int column) {
        try {
            range.Item(row, column);
            ADD_FAILURE() << row << ", " << column << " did not throw";
        } catch (const XlsError& error) {
            EXPECT_STREQ(error.what(), "Invalid row/column index");
        }
    };
    expectInvalid(sheet.Cells(), 65537, 1);
    expectInvalid(sheet.Cells(), 1, 257);
    expectInvalid(sheet.Cells(), 0, 1);
    expectInvalid(sheet.Cells(), 1, 0);
    expectInvalid(sheet.Range(3, 3, 3, 3), -2, 1);
    expectInvalid(sheet.Range(65536, 1, 65536, 1), 2, 1);
    expectInvalid(sheet.Cells(), 2147483647, 1);
    EXPECT_THROW(sheet.Cells().Item(-2147483647, 1), InvalidIndexError);
    EXPECT_EQ(sheet.CellHeap().Count(), 0U);
}

TEST_F(RangeTest, ColumnWidthSetsOnlyTheRangeColumns) {
    sheet.Range(1, 1, 20, 1).SetColumnWidth(3);
    EXPECT_EQ(sheet.Columns().Count(), 1);
    EXPECT_EQ(sheet.Columns().Find(ColumnIndex{0})->width, 950);
    EXPECT_EQ(sheet.Columns().Find(ColumnIndex{1}), nullptr);
    EXPECT_EQ(sheet.CellHeap().Count(), 0U);
    EXPECT_DOUBLE_EQ(sheet.Range(1, 1, 1, 1).ColumnWidth(), 3.0);
    EXPECT_DOUBLE_EQ(sheet.Range(1, 2, 1, 2).ColumnWidth(), 8.43);

    sheet.Range(1, 1, 1, 1).SetColumnWidth(300);
    EXPECT_EQ(sheet.Columns().Find(ColumnIndex{0})->width, 65462);
    EXPECT_DOUBLE_EQ(sheet.Range(1, 1, 1, 1).ColumnWidth(), 255.0);

    sheet.Range(1, 2, 1, 4).SetColumnWidth(Variant(u"12"));
    for (int column = 1; column <= 3; ++column) {
        EXPECT_EQ(sheet.Columns().Find(ColumnIndex{static_cast<std::uint8_t>(column)})->width,
                  3254);
    }
    EXPECT_EQ(sheet.Columns().LowestColumn(), ColumnIndex{0});
    EXPECT_EQ(sheet.Columns().HighestColumn(), ColumnIndex{3});
}

TEST_F(RangeTest, ColumnWidthIgnoresValuesWithoutWidth) {
    sheet.Range(1, 1, 1, 1).SetColumnWidth(8);
    for (const Variant& bad : {Variant(-1.0), Variant(true), Variant(u"wide"),
                               Variant(std::numeric_limits<double>::quiet_NaN())}) {
        sheet.Range(1, 1, 1, 1).SetColumnWidth(bad);
        EXPECT_EQ(sheet.Columns().Find(ColumnIndex{0})->width, 2230);
    }
}

TEST_F(RangeTest, IgnoredValuesCreateNoCells) {
    IXLSRange range = sheet.Range(1, 1, 3, 3);
    range.SetHorizontalAlignment(99);
    range.Interior().SetColorIndex(57);
    range.Interior().SetColorIndex(-3);
    range.Font().SetColorIndex(57);
    range.Font().SetColorIndex(color_index::kNone);
    range.Font().SetSize(0.0f);
    range.Font().SetSize(-5.0f);
    range.Font().SetSize(1e9f);
    range.Borders().SetColorIndex(99);
    range.SetWrapText(Variant(u"maybe"));
    EXPECT_EQ(sheet.CellHeap().Count(), 0U);
    EXPECT_EQ(book.XFList().Count(), 21);
}

TEST_F(RangeTest, AcceptedValueCreatesCellsEvenWithoutChange) {
    sheet.Range(1, 1, 2, 2).SetWrapText(false);
    EXPECT_EQ(sheet.CellHeap().Count(), 4U);
}

TEST_F(RangeTest, NumberFormatsAreOwnFormatsFrom164SharedByText) {
    sheet.Range(1, 1, 1, 1).SetHorizontalAlignment(alignment::kCenter);
    sheet.Range(1, 1, 3, 1).SetNumberFormat(u"#,##0.00 \"Kč\"");
    sheet.Range(1, 2, 1, 2).SetNumberFormat(u"0.000");
    sheet.Range(1, 3, 1, 3).SetNumberFormat(u"#,##0.00 \"Kč\"");
    sheet.Range(1, 4, 1, 4).SetNumberFormat(u"General");
    EXPECT_EQ(book.NumFormats().Text(165), u"0.000");
    EXPECT_FALSE(book.NumFormats().HasOwnEntry(166));
    for (const auto& [column, format] : {std::pair{1, 164}, {2, 165}, {3, 164}, {4, 0}})
        EXPECT_EQ(FormatAt(sheet, 1, column).fields.formatIndex, format) << column;
    EXPECT_EQ(FormatAt(sheet, 1, 1).fields.usedFlags, kXfNumberFormat | kXfAlignment);
    EXPECT_EQ(FormatAt(sheet, 1, 1).fields.HorizontalAlignment(), 2);  // kept
}

TEST_F(RangeTest, AlignmentKeepsTheWrapFlag) {
    IXLSRange cell = sheet.Range(1, 1, 1, 1);
    cell.SetWrapText(true);
    cell.SetHorizontalAlignment(alignment::kCenter);
    EXPECT_EQ(FormatAt(sheet, 1, 1).fields.alignment[0], 0x2A);
    cell.SetWrapText(false);
    EXPECT_EQ(FormatAt(sheet, 1, 1).fields.alignment[0], 0x22);
    struct Code {
        int constant;
        int code;
    };
    for (const Code code : {Code{alignment::kGeneral, 0},
                            {alignment::kLeft, 1},
                            {alignment::kCenter, 2},
                            {alignment::kRight, 3},
                            {alignment::kFill, 4},
                            {alignment::kJustify, 5},
                            {alignment::kCenterAcrossSelection, 6},
                            {alignment::kDistributed, 7}}) {
        cell.SetHorizontalAlignment(code.constant);
        EXPECT_EQ(FormatAt(sheet, 1, 1).fields.HorizontalAlignment(), code.code) << code.constant;
    }
}

// A column of texts stored at once makes the workbook one text at a time
// makes: texts replaced, repeated, empty, wrapped, a merged cell, the end of
// the sheet.
TEST(RangeTextsDown, StoresWhatOneTextAtATimeStores) {
    const std::u16string_view texts[] = {u"a", u"",  u"two\nlines", u"a", u"b", u"c", u"a", u"d",
                                         u"e", u"f", u"g",          u"h", u"i", u"j", u"b"};
    const auto fill = [&](bool atOnce, int firstRow) {
        auto book = std::make_unique<TXLSWorkbook>();
        IXLSWorksheet& sheet = book->Worksheets().Add();
        sheet.Range(1, 2, 1, 2).SetLiteralText(u"a");  // replaced below
        sheet.Range(4, 2, 4, 3).Merge(false);
        sheet.Range(5, 2, 5, 2).SetLiteralText(u"covered");
        const IXLSRange start = sheet.Cells().Item(firstRow, 2);
        try {
            if (atOnce) {
                start.SetLiteralTextsDown(texts);
            } else {
                for (std::size_t i = 0; i < std::size(texts); ++i)
                    sheet.Cells().Item(firstRow + static_cast<int>(i), 2).SetLiteralText(texts[i]);
            }
        } catch (const InvalidIndexError&) {
            EXPECT_GT(firstRow, 1) << "only at the end of the sheet";
        }
        std::vector<std::uint8_t> bytes;
        EXPECT_EQ(SaveToMemory(*book, bytes), SaveResult::Saved);
        return bytes;
    };
    EXPECT_EQ(fill(true, 1), fill(false, 1));
    EXPECT_EQ(fill(true, 65530), fill(false, 65530));  // past the last row
}

// A setter over a column makes the workbook the same setter cell by cell
// makes: cells made in rows with an entry and without, across groups of 256
// rows, in both halves of the columns, next to merged cells and cells of a
// format of their own.
TEST(RangeColumnSetters, MakeWhatCellByCellSettersMake) {
    const auto fill = [](bool wholeColumn) {
        auto book = std::make_unique<TXLSWorkbook>();
        IXLSWorksheet& sheet = book->Worksheets().Add();
        sheet.Range(3, 1, 3, 1).SetLiteralText(u"a row entry before the setters");
        sheet.Range(300, 200, 300, 200).SetLiteralText(u"a cell right of them");
        sheet.Range(10, 2, 11, 3).Merge(false);
        sheet.Range(500, 2, 500, 2).Font().SetBold(true);
        const auto down = [&](int column, int firstRow, int lastRow, auto&& set) {
            if (wholeColumn) {
                set(sheet.Range(firstRow, column, lastRow, column));
                return;
            }
            for (int row = firstRow; row <= lastRow; ++row) {
                set(sheet.Range(row, column, row, column));
            }
        };
        for (const int column : {2, 130}) {
            down(column, 1, 700, [](const IXLSRange& range) { range.Font().SetSize(12); });
            down(column, 250, 520,
                 [](const IXLSRange& range) { range.SetHorizontalAlignment(alignment::kRight); });
            down(column, 200, 800,
                 [](const IXLSRange& range) { range.Interior().SetColorIndex(6); });
        }
        // Every row of the columns has its cell, of the size set where a
        // cell takes formats (not the covered cell of the merged area).
        for (const int column : {2, 130}) {
            for (int row = 1; row <= 800; ++row) {
                EXPECT_NE(sheet.Cell(RowIndex{static_cast<std::uint16_t>(row - 1)},
                                     ColumnIndex{static_cast<std::uint8_t>(column - 1)}),
                          nullptr)
                    << row << ", " << column;
                const bool sized = row <= 700 && !(row == 11 && column == 2);
                EXPECT_EQ(FormatAt(sheet, row, column).font.height, sized ? 240 : 200)
                    << row << ", " << column;
            }
        }
        EXPECT_EQ(sheet.CellHeap().Count(), 1604U);  // 800 a column and 4 others
        const TXLSUsedArea& used = sheet.UsedArea();
        EXPECT_EQ(used.firstRow, 0);
        EXPECT_EQ(used.lastRow, 799);
        EXPECT_EQ(used.firstColumn, 0);
        EXPECT_EQ(used.lastColumn, 199);
        std::vector<std::uint8_t> bytes;
        EXPECT_EQ(SaveToMemory(*book, bytes), SaveResult::Saved);
        return bytes;
    };
    EXPECT_EQ(fill(true), fill(false));
}

}  // namespace
}  // namespace xls
