#include "calc/working_table.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "calc/whole_number.h"

namespace ek::calc {

namespace {

// Calls take(number, field) for each field of the line, numbered from 1.
template <class Take>
void forEachField(std::u16string_view line, Take&& take) {
    if (line.empty())
        return;
    int number = 1;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(u'\t', start);
        take(number++, line.substr(start, end == std::u16string_view::npos ? end : end - start));
        if (end == std::u16string_view::npos)
            return;
        start = end + 1;
    }
}

}  // namespace

TextList fieldsOfLine(std::u16string_view line) {
    TextList fields;
    forEachField(line, [&](int, std::u16string_view field) { fields.emplace_back(field); });
    return fields;
}

void splitIntoWorkingTable(const TextList& items, TextGrid& table) {
    const int rows = std::max(1, static_cast<int>(items.size()));
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
