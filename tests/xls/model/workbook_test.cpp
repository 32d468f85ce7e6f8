#include "xls/model/workbook.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/xls/model/cell_format_probe.h"
#include "xls/formats/borders.h"
#include "xls/formats/font.h"
#include "xls/formats/interior.h"
#include "xls/model/worksheet.h"

namespace xls {
namespace {

using testing::EdgesOf;
using testing::FormatAt;

TEST(Workbook, NewWorkbookState) {
    const TXLSWorkbook book;
    EXPECT_EQ(book.Worksheets().Count(), 0);
    EXPECT_EQ(book.CodePage(), 1252);
    EXPECT_EQ(book.DefaultSheetNamePrefix(), u"Sheet");
    EXPECT_EQ(book.ChangeCount(), 1U);
    EXPECT_EQ(book.XFList().Count(), 21);
    EXPECT_EQ(book.Fonts().Count(), 4);
    for (int font = 0; font < 4; ++font) {
        EXPECT_EQ(book.Fonts().Key(font), u"00C87FFF0000000000000Arial");
    }
    EXPECT_EQ(book.StringTable().DistinctCount(), 0U);
    EXPECT_EQ(book.SaveState().saveFormat, SaveFormat::Biff8);

    std::vector<std::uint16_t> formats;
    for (const auto& [index, text] : book.NumFormats().OwnEntries()) {
        formats.push_back(index);
    }
    EXPECT_EQ(formats, (std::vector<std::uint16_t>{5, 6, 7, 8}));
    EXPECT_EQ(book.NumFormats().Text(5), u"(\"$\"#,##0_);(\"$\"#,##0)");
    EXPECT_EQ(book.NumFormats().Text(6), u"(\"$\"#,##0_);[Red](\"$\"#,##0)");
    EXPECT_EQ(book.NumFormats().Text(7), u"(\"$\"#,##0.00_);(\"$\"#,##0.00)");
    EXPECT_EQ(book.NumFormats().Text(8), u"(\"$\"#,##0.00_);[Red](\"$\"#,##0.00)");

    struct Style {
        int id;
        int xf;
    };
    const Style expected[] = {{3, 19}, {4, 16}, {6, 20}, {7, 17}, {5, 18}, {0, 0}};
    ASSERT_EQ(book.Styles().Count(), 6);
    for (std::size_t i = 0; i < 6; ++i) {
        const TXLSStyle& style = book.Styles().Entries()[i];
        EXPECT_TRUE(style.builtIn);
        EXPECT_EQ(style.builtInId, expected[i].id);
        EXPECT_EQ(style.xf.value, expected[i].xf);
        EXPECT_EQ(style.level, 0xFF);
    }
}

// The category table the replay uses: header, two items, subtotal (R = 4).
const std::vector<std::vector<std::u16string>> kTable{
    {u"por.", u"     Jméno rostliny", u"kusů", u"kus. cena", u"cena celkem"},
    {u"1", u"Acer campestre", u"3", u"250,00", u"750,00"},
    {u"2", u"Betula pendula", u"1", u"1 200,00", u"1 200,00"},
    {u"", u"Celková cena rostlin", u"", u"", u"1 950,00"},
};

// The calls the export makes for one category sheet, in their order.
void BuildCategorySheet(IXLSWorksheet& sheet, int columnCWidth) {
    const int r = static_cast<int>(kTable.size());
    const int n = r + 2;
    const int widths[] = {3, 50, columnCWidth, 12, 12};
    for (int c = 1; c <= 5; ++c) {
        IXLSRange column = sheet.Range(1, c, n, c);
        column.Font().SetSize(10);
        column.Font().SetBold(false);
        column.SetColumnWidth(widths[c - 1]);
        column.Borders().SetColorIndex(color_index::kAutomatic);
        column.SetHorizontalAlignment(c == 2 ? alignment::kLeft : alignment::kCenter);
    }
    IXLSRange title = sheet.Range(1, 1, 1, 5);
    title.Merge(false);
    title.Font().SetSize(14);
    title.SetHorizontalAlignment(alignment::kCenter);
    title.Font().SetBold(true);
    title.SetValue(u"Kalkulace projektu zahrady - rostliny");

    sheet.Range(2, 1, n - 2, 1).Interior().SetColorIndex(8);
    sheet.Range(2, 1, n - 2, 1).Font().SetColor(0);
    sheet.Range(2, 1, 2, 5).Interior().SetColorIndex(4);
    sheet.Range(2, 1, 2, 5).Font().SetColor(0);

    for (int c = 1; c <= 5; ++c) {
        for (int t = 0; t < r; ++t) {
            sheet.Cells().Item(t + 2, c).SetLiteralText(kTable[t][c - 1]);
        }
    }
    sheet.Cells().Item(n, 1).SetLiteralText(u" ");
    sheet.Cells().Item(n, 2).SetLiteralText(u"Celková cena projektu");
    sheet.Cells().Item(n, 3).SetLiteralText(u" ");
    sheet.Cells().Item(n, 4).SetLiteralText(u" ");
    sheet.Cells().Item(n, 5).SetLiteralText(u"12 345,00 Kč");

    for (const auto& [row, fill] : {std::pair{n - 1, 6}, std::pair{n, 2}}) {
        IXLSRange band = sheet.Range(row, 1, row, 5);
        band.Interior().SetColorIndex(fill);
        band.Font().SetColor(0);
        band.Font().SetBold(true);
    }
    sheet.Range(n - 1, 2, n, 2).SetHorizontalAlignment(alignment::kRight);
}

struct Look {
    int height;  // twips
    bool bold;
    int fontColor;  // colour number, 0x7FFF automatic
    int fill;       // colour index, 0 for none
    int alignment;  // code
};

// "The resulting look of a worksheet", cell by cell, for rows 1..N.
Look ExpectedLook(int row, int column, int n) {
    const int centre = 2;
    const int left = 1;
    const int right = 3;
    const int black = 8;
    const int automatic = 0x7FFF;
    const int align = column == 2 ? left : centre;
    if (row == 1) {
        return {280, true, automatic, 0, centre};
    }
    if (row == 2) {
        return {200, false, black, 4, align};
    }
    if (row == n - 1 || row == n) {
        return {200, true, black, row == n ? 2 : 6, column == 2 ? right : centre};
    }
    if (column == 1) {
        return {200, false, black, 8, centre};
    }
    return {200, false, automatic, 0, align};
}

TEST(Workbook, ExportCallSequenceGivesTheDocumentedLook) {
    TXLSWorkbook book;
    IXLSWorksheet& sheet = book.Worksheets().Add();
    sheet.SetName(u"Kalkulace rostlin");
    BuildCategorySheet(sheet, 8);
    const int n = static_cast<int>(kTable.size()) + 2;

    EXPECT_EQ(sheet.Name(), u"Kalkulace rostlin");
    for (int row = 1; row <= n; ++row) {
        for (int column = 1; column <= 5; ++column) {
            SCOPED_TRACE(::testing::Message() << "row " << row << ", column " << column);
            const TXLSCellRef* cell =
                sheet.Cell(RowIndex{static_cast<std::uint16_t>(row - 1)},
                           ColumnIndex{static_cast<std::uint8_t>(column - 1)});
            ASSERT_NE(cell, nullptr);
            if (row == 1 && column > 1) {
                // Inside the merged title: the column format, no value.
                EXPECT_TRUE(cell->Merged());
                EXPECT_FALSE(cell->MergeMaster());
                EXPECT_EQ(cell->Kind(), CellKind::Blank);
                continue;
            }
            const Look look = ExpectedLook(row, column, n);
            const testing::CellFormat format = FormatAt(sheet, row, column);
            EXPECT_EQ(format.font.height, look.height);
            EXPECT_EQ(format.font.bold, look.bold);
            EXPECT_EQ(format.font.colorIndex, look.fontColor);
            EXPECT_EQ(format.fields.HorizontalAlignment(), look.alignment);
            EXPECT_EQ(format.fields.VerticalAlignment(), 2);
            EXPECT_FALSE(format.fields.WrapText());
            if (look.fill == 0) {
                EXPECT_EQ(format.fields.fillPattern, 0);
            } else {
                EXPECT_EQ(format.fields.fillPattern, 1);
                EXPECT_EQ(format.fields.PatternColor(), look.fill + 7);
                EXPECT_EQ(format.fields.BackgroundColor(), 64);
            }
            // Every cell outlined; between two columns the line is the right cell's.
            const testing::Edges edges = EdgesOf(format.fields);
            EXPECT_EQ(edges.leftStyle, 1);
            EXPECT_EQ(edges.topStyle, 1);
            EXPECT_EQ(edges.bottomStyle, 1);
            EXPECT_EQ(edges.rightStyle, column == 5 ? 1 : 0);
            EXPECT_EQ(edges.leftColor, 64);
            EXPECT_EQ(edges.topColor, 64);
            EXPECT_EQ(edges.bottomColor, 64);
            EXPECT_EQ(edges.rightColor, column == 5 ? 64 : 0);
            EXPECT_EQ(format.fields.parent, 0);
            EXPECT_GE(format.xf.value, 21);
        }
    }

    const int widths[] = {950, 12982, 2230, 3254, 3254};
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(sheet.Columns().Find(ColumnIndex{static_cast<std::uint8_t>(column)})->width,
                  widths[column]);
    }
    EXPECT_EQ(sheet.Columns().Count(), 5);
    EXPECT_EQ(sheet.MergedAreas().Count(), 1U);
    EXPECT_EQ(sheet.CellHeap().Count(), static_cast<std::size_t>(5 * n));
    EXPECT_EQ(sheet.UsedArea().rowCount, n);
    EXPECT_EQ(sheet.UsedArea().columnCount, 5);

    // Empty table cells stay blank; the total row's blanks are one-blank texts.
    const TXLSCellRef* emptyA5 = sheet.Cell(RowIndex{4}, ColumnIndex{0});
    EXPECT_EQ(emptyA5->Kind(), CellKind::Blank);
    const TXLSCellRef* blankA6 = sheet.Cell(RowIndex{5}, ColumnIndex{0});
    EXPECT_EQ(blankA6->Kind(), CellKind::Text);
    EXPECT_EQ(book.StringTable().Text(blankA6->TextIndex()), u" ");
    EXPECT_EQ(book.StringTable().ReferenceCount(blankA6->TextIndex()), 3U);
}

TEST(Workbook, ExportFormatsAreConsistentAfterCompaction) {
    TXLSWorkbook book;
    BuildCategorySheet(book.Worksheets().Add(), 8);
    BuildCategorySheet(book.Worksheets().Add(), 12);
    book.CompactFormats();
    const TXLSXFList& xfs = book.XFList();
    const TXLSFontList& fonts = book.Fonts();

    // Every XF a cell uses is written, and so is every font a written XF uses.
    int cellsChecked = 0;
    book.Worksheets().ForEach([&](const IXLSWorksheet& sheet) {
        for (std::uint16_t row = 0; row <= 5; ++row) {
            sheet.CellHeap().ForEachInRow(RowIndex{row}, [&](const TXLSCellRef& cell) {
                const XfIndex xf = TXLSXFList::CellXf(cell.Xf());
                EXPECT_GT(xfs.Entry(xf.value).writtenNumber, 0);
                EXPECT_GE(xfs.WrittenIxfe(xf), 15);
                ++cellsChecked;
            });
        }
    });
    EXPECT_EQ(cellsChecked, 60);
    int written = 0;
    for (int xf = 0; xf < xfs.Count(); ++xf) {
        if (xfs.Entry(xf).writtenNumber == 0) {
            continue;
        }
        ++written;
        const FontIndex font{xfs.Fields(XfIndex{xf}).fontIndex};
        EXPECT_GT(fonts.Entry(font.value).writtenNumber, 0) << "XF " << xf;
        EXPECT_NE(fonts.BiffFontIndex(font), 4);
    }
    EXPECT_EQ(written, xfs.WrittenCount());
    // Counting references of an export: the live XFs are those cells use.
    EXPECT_EQ(book.NumberLiveStrings(), book.StringTable().DistinctCount());
}

TEST(Workbook, TwoSheetsShareStringsAndFormats) {
    TXLSWorkbook book;
    BuildCategorySheet(book.Worksheets().Add(), 8);
    const int xfCount = book.XFList().Count();
    const std::uint32_t distinct = book.StringTable().DistinctCount();
    BuildCategorySheet(book.Worksheets().Add(), 12);
    EXPECT_EQ(book.XFList().Count(), xfCount);
    EXPECT_EQ(book.StringTable().DistinctCount(), distinct);
    EXPECT_EQ(book.StringTable().ReferenceCount(book.StringTable().Find(u"Celková cena projektu")),
              2U);
}

TEST(Workbook, SaveAsWritesTheFile) {
    const std::filesystem::path folder =
        std::filesystem::path(EK_BINARY_DIR) / "xls_workbook_test_output";
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / "kalkulace.xls";
    std::filesystem::remove(file);
    TXLSWorkbook book;
    BuildCategorySheet(book.Worksheets().Add(), 8);
    EXPECT_EQ(book.SaveAs(file.u16string()), 1);
    EXPECT_GT(std::filesystem::file_size(file), 512U);
    EXPECT_EQ(book.SaveAs(u"   "), -1);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace xls
