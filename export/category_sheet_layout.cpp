#include "export/category_sheet_layout.h"

#include <array>
#include <string_view>
#include <vector>

#include "xls/xls.h"

namespace ek::exporter {

namespace {

constexpr int kColumns = 5;  // A to E, one per column of a category table
constexpr std::uint32_t kBlack = 0;

// Palette entries of the default palette.
constexpr int kWhite = 2;
constexpr int kBrightGreen = 4;
constexpr int kYellow = 6;
constexpr int kTurquoise = 8;

// The order of the calls below decides which cell formats the workbook gets
// and how they are numbered; keep it.

void formatColumns(xls::IXLSWorksheet& worksheet, int lastRow, int columnCWidth) {
    const std::array<int, kColumns> widths{3, 50, columnCWidth, 12, 12};
    for (int column = 1; column <= kColumns; ++column) {
        const xls::IXLSRange range = worksheet.Range(1, column, lastRow, column);
        range.Font().SetSize(10);
        range.Font().SetBold(false);
        range.SetColumnWidth(widths[column - 1]);
        range.Borders().SetColorIndex(xls::color_index::kAutomatic);
        range.SetHorizontalAlignment(column == 2 ? xls::alignment::kLeft : xls::alignment::kCenter);
    }
}

// The merged title: only the master cell A1 takes the font and alignment.
void writeTitle(xls::IXLSWorksheet& worksheet, std::u16string_view title) {
    const xls::IXLSRange range = worksheet.Range(1, 1, 1, kColumns);
    range.Merge(false);
    range.Font().SetSize(14);
    range.SetHorizontalAlignment(xls::alignment::kCenter);
    range.Font().SetBold(true);
    range.SetLiteralText(title);
}

void fill(const xls::IXLSRange& range, int colorIndex) {
    range.Interior().SetColorIndex(colorIndex);
    range.Font().SetColor(kBlack);
}

void colourBands(xls::IXLSWorksheet& worksheet, int lastRow) {
    fill(worksheet.Range(2, 1, lastRow - 2, 1), kTurquoise);
    fill(worksheet.Range(2, 1, 2, kColumns), kBrightGreen);
}

void writeValues(xls::IXLSWorksheet& worksheet, const calc::TextGrid& table,
                 const calc::Text& projectTotal) {
    const xls::IXLSRange cells = worksheet.Cells();
    // A column at a time, as Item(row + 2, column).SetLiteralText would.
    std::vector<std::u16string_view> texts(static_cast<std::size_t>(table.rowCount()));
    for (int column = 1; column <= kColumns; ++column) {
        for (int row = 0; row < table.rowCount(); ++row)
            texts[static_cast<std::size_t>(row)] = table.cell(column - 1, row);
        cells.Item(2, column).SetLiteralTextsDown(texts);
    }
    const int lastRow = table.rowCount() + 2;
    cells.Item(lastRow, 1).SetLiteralText(kProjectTotalFiller);
    cells.Item(lastRow, 2).SetLiteralText(kProjectTotalText);
    cells.Item(lastRow, 3).SetLiteralText(kProjectTotalFiller);
    cells.Item(lastRow, 4).SetLiteralText(kProjectTotalFiller);
    cells.Item(lastRow, 5).SetLiteralText(projectTotal);
}

void formatTotalRows(xls::IXLSWorksheet& worksheet, int lastRow) {
    const auto emphasise = [&](int row, int colorIndex) {
        const xls::IXLSRange range = worksheet.Range(row, 1, row, kColumns);
        fill(range, colorIndex);
        range.Font().SetBold(true);
    };
    emphasise(lastRow - 1, kYellow);
    emphasise(lastRow, kWhite);
    worksheet.Range(lastRow - 1, 2, lastRow, 2).SetHorizontalAlignment(xls::alignment::kRight);
}

}  // namespace

void layOutCategorySheet(xls::IXLSWorksheet& worksheet, const CategorySheet& sheet,
                         const calc::TextGrid& table, const calc::Text& projectTotal) {
    const int lastRow = table.rowCount() + 2;
    formatColumns(worksheet, lastRow, sheet.columnCWidth);
    writeTitle(worksheet, sheet.title);
    colourBands(worksheet, lastRow);
    writeValues(worksheet, table, projectTotal);
    formatTotalRows(worksheet, lastRow);
}

}  // namespace ek::exporter
