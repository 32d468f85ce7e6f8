#include "calc/working_table.h"

#include <algorithm>

#include "calc/whole_number.h"

namespace ek::calc {

TextList fieldsOfLine(std::u16string_view line) {
    TextList fields;
    if (line.empty())
        return fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(u'\t', start);
        fields.emplace_back(
            line.substr(start, end == std::u16string_view::npos ? end : end - start));
        if (end == std::u16string_view::npos)
            return fields;
        start = end + 1;
    }
}

void splitIntoWorkingTable(const TextList& items, TextGrid& table) {
    const int rows = std::max(1, static_cast<int>(items.size()));
    table.setRowCount(rows);
    table.clearDataRows();
    for (int row = 1; row < rows; ++row) {
        table.setCell(0, row, decimalText(row));
        const TextList fields = fieldsOfLine(items[static_cast<std::size_t>(row - 1)]);
        for (std::size_t f = 0; f < fields.size(); ++f) {
            table.setCell(static_cast<int>(f) + 1, row, fields[f]);
        }
    }
}

}  // namespace ek::calc
