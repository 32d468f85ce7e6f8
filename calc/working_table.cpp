#include "calc/working_table.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "calc/category_index.h"
#include "calc/whole_number.h"

namespace ek::calc {

namespace {

// Fields past the fourth are never used: they stay together in one cell, so
// that a line of many TABs does not widen the table for every row.
constexpr int kRestField = 5;

// Calls take(number, field) for each field of the line, numbered from 1.
template <class Take>
void forEachField(std::u16string_view line, Take&& take) {
    if (line.empty())
        return;
    int number = 1;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end =
            number == kRestField ? std::u16string_view::npos : line.find(u'\t', start);
        take(number++, line.substr(start, end == std::u16string_view::npos ? end : end - start));
        if (end == std::u16string_view::npos)
            return;
        start = end + 1;
    }
}

// The lines after the last item line (one with a TAB) or category title
// close the list and are no items.
bool isItemLineOrTitle(std::u16string_view line) {
    return line.find(u'\t') != std::u16string_view::npos || isCategoryTitle(line);
}

}  // namespace

TextList fieldsOfLine(std::u16string_view line) {
    TextList fields;
    forEachField(line, [&](int, std::u16string_view field) { fields.emplace_back(field); });
    return fields;
}

void splitIntoWorkingTable(const TextList& items, TextGrid& table) {
    const auto last = std::find_if(items.rbegin(), items.rend(),
                                   [](const Text& item) { return isItemLineOrTitle(item); });
    const auto kept = static_cast<std::size_t>(items.rend() - last);
    const int rows = static_cast<int>(kept) + 1;
    table.setRowCount(rows);
    table.clearDataRows();
    for (int row = 1; row < rows; ++row) {
        std::array<char16_t, 20> digits;
        table.setCell(0, row, decimalText(row, digits));
        // Each field straight into its cell, without a list of copies between.
        forEachField(
            items[static_cast<std::size_t>(row - 1)],
            [&](int column, std::u16string_view field) { table.setCell(column, row, field); });
    }
}

}  // namespace ek::calc
