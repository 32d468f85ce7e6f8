#include "calc/text_grid.h"

#include <stdexcept>

namespace ek::calc {

namespace {
const Text kEmpty;
}

TextGrid::TextGrid(int columns, int rows) : columns_(columns) {
    setRowCount(rows);
}

void TextGrid::setRowCount(int rows) {
    rows_.resize(rows < 0 ? 0 : static_cast<std::size_t>(rows),
                 std::vector<Text>(static_cast<std::size_t>(columns_)));
}

const Text& TextGrid::cell(int column, int row) const {
    if (row < 0 || row >= rowCount() || column < 0) return kEmpty;
    const auto& cells = rows_[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(column) >= cells.size()) return kEmpty;
    return cells[static_cast<std::size_t>(column)];
}

void TextGrid::setCell(int column, int row, Text value) {
    if (row < 0 || row >= rowCount() || column < 0) {
        throw std::out_of_range("TextGrid::setCell outside the grid");
    }
    if (column >= columns_) {
        columns_ = column + 1;
        for (auto& cells : rows_) cells.resize(static_cast<std::size_t>(columns_));
    }
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(value);
}

void TextGrid::clearDataRows() {
    for (std::size_t r = 1; r < rows_.size(); ++r) {
        for (auto& cell : rows_[r]) cell.clear();
    }
}

}  // namespace ek::calc
