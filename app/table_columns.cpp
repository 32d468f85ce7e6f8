#include "app/table_columns.h"

#include <algorithm>
#include <numeric>

namespace ek::app {

ColumnWidths fitColumnWidths(const ColumnWidths& designed, const ColumnWidths& widest,
                             int nameHeader, int room, int smallestName) {
    ColumnWidths widths{};
    int others = 0;
    for (std::size_t column = 0; column < kTableColumnCount; ++column) {
        if (static_cast<int>(column) == kNameColumn)
            continue;
        widths[column] = std::max(designed[column], widest[column]);
        others += widths[column];
    }
    const std::size_t name = kNameColumn;
    const int wanted = std::max(designed[name], widest[name]);
    const int least = std::max(smallestName, nameHeader);
    widths[name] = std::max(least, std::min(wanted, room - others));
    return widths;
}

namespace {

struct MeasuredRow {
    int width;
    int row;
};

}  // namespace

std::vector<int> widestRows(const calc::TextGrid& grid, int column,
                            const std::function<int(char16_t)>& advance, std::size_t count) {
    std::vector<MeasuredRow> measured;
    measured.reserve(static_cast<std::size_t>(std::max(grid.rowCount(), 0)));
    for (int row = 0; row < grid.rowCount(); ++row) {
        const std::u16string_view text = grid.cell(column, row);
        if (text.empty())
            continue;
        const int width =
            std::accumulate(text.begin(), text.end(), 0,
                            [&advance](int sum, char16_t unit) { return sum + advance(unit); });
        measured.push_back({width, row});
    }
    const auto wider = [](const MeasuredRow& a, const MeasuredRow& b) { return a.width > b.width; };
    const std::size_t kept = std::min(count, measured.size());
    std::partial_sort(measured.begin(), measured.begin() + static_cast<std::ptrdiff_t>(kept),
                      measured.end(), wider);
    std::vector<int> rows;
    rows.reserve(kept);
    for (std::size_t index = 0; index < kept; ++index)
        rows.push_back(measured[index].row);
    return rows;
}

}  // namespace ek::app
