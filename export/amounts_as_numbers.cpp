#include "export/amounts_as_numbers.h"

#include <cstdint>
#include <optional>

#include "calc/line_value.h"
#include "export/amount_text.h"

namespace ek::exporter {

namespace {

// Columns of the category tables and of the worksheet (1-based).
constexpr int kQuantityColumn = 3;
constexpr int kPriceColumn = 4;
constexpr int kTotalColumn = 5;
constexpr int kFirstItemRow = 3;  // below the title and the header

void setNumber(const xls::IXLSRange& cells, int row, int column, double value) {
    cells.Item(row, column).SetValue(xls::Variant(value));
}

// The items' figures; the sum of the line totals when every one is a figure.
std::optional<std::int64_t> writeItems(const xls::IXLSRange& cells, const calc::TextGrid& table) {
    std::optional<std::int64_t> sum = 0;
    for (int item = 1; item + 1 < table.rowCount(); ++item) {
        const int row = item + kFirstItemRow - 1;
        if (const auto quantity = quantityValue(table.cell(kQuantityColumn - 1, item)))
            setNumber(cells, row, kQuantityColumn, *quantity);
        if (const auto price = priceHundredths(table.cell(kPriceColumn - 1, item)))
            setNumber(cells, row, kPriceColumn, crowns(*price));
        const auto total = priceHundredths(table.cell(kTotalColumn - 1, item));
        if (total)
            setNumber(cells, row, kTotalColumn, crowns(*total));
        sum = total && sum ? calc::addedMoney(*sum, *total) : std::nullopt;
    }
    return sum;
}

void writeSubtotal(xls::IXLSWorksheet& worksheet, int subtotalRow, std::int64_t sum) {
    const xls::IXLSRange cell = worksheet.Cells().Item(subtotalRow, kTotalColumn);
    const int lastItemRow = subtotalRow - 1;
    if (lastItemRow < kFirstItemRow) {
        cell.SetValue(xls::Variant(0.0));  // no items: nothing to sum
        return;
    }
    const xls::TXLSCellArea lineTotals =
        worksheet.Range(kFirstItemRow, kTotalColumn, lastItemRow, kTotalColumn).Area();
    cell.SetFormula(xls::TXLSFormula::Sum(lineTotals), crowns(sum));
}

}  // namespace

void writeAmountsAsNumbers(xls::IXLSWorksheet& worksheet, const calc::TextGrid& table,
                           const calc::Text& projectTotal) {
    const int projectTotalRow = table.rowCount() + 2;
    const int subtotalRow = projectTotalRow - 1;
    const xls::IXLSRange cells = worksheet.Cells();
    if (const std::optional<std::int64_t> sum = writeItems(cells, table))
        writeSubtotal(worksheet, subtotalRow, *sum);
    if (const auto total = shownMoneyHundredths(projectTotal))
        setNumber(cells, projectTotalRow, kTotalColumn, crowns(*total));
    if (subtotalRow > kFirstItemRow)
        worksheet.Range(kFirstItemRow, kPriceColumn, subtotalRow - 1, kPriceColumn)
            .SetNumberFormat(kCrownsFormat);
    worksheet.Range(kFirstItemRow, kTotalColumn, projectTotalRow, kTotalColumn)
        .SetNumberFormat(kCrownsFormat);
}

}  // namespace ek::exporter
