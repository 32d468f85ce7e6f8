#include "export/sheet_limits.h"

#include <string>

#include "export/category_sheets.h"

namespace ek::exporter {

namespace {

calc::Text decimal(long long number) {
    return calc::fromUtf8(std::to_string(number));
}

calc::Text tooManyItems(std::u16string_view sheetName, int items) {
    return u"Kategorie \"" + calc::Text(sheetName) + u"\" má " + decimal(items) +
           u" položek; list souboru XLS jich pojme nejvýše 65 532.";
}

calc::Text textTooLong(std::u16string_view sheetName, int sheetRow) {
    return u"Text na listu \"" + calc::Text(sheetName) + u"\", řádek " + decimal(sheetRow) +
           u", je delší než 32 767 znaků; do souboru XLS jej nelze uložit.";
}

// The first worksheet row (table row + 2) holding a text too long for a cell.
std::optional<int> firstRowTooLong(const calc::TextGrid& table) {
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < 5; ++column) {
            if (table.cell(column, row).size() > kMaxCellTextLength)
                return row + 2;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<calc::Text> sheetLimitViolation(const calc::Kalkulace& state) {
    const bool totalTooLong = state.INF_celkova_cena.size() > kMaxCellTextLength;
    for (std::size_t index = 0; index < kCategorySheets.size(); ++index) {
        const calc::TextGrid& table = state.categoryTable(index);
        const int rows = table.rowCount();
        if (rows < 2)
            continue;  // no worksheet
        const std::u16string_view name = kCategorySheets[index].sheetName;
        if (rows - 2 > kMaxCategoryItems)
            return tooManyItems(name, rows - 2);
        if (const std::optional<int> row = firstRowTooLong(table))
            return textTooLong(name, *row);
        if (totalTooLong)
            return textTooLong(name, rows + 2);
    }
    return std::nullopt;
}

}  // namespace ek::exporter
