#include "calc/text_grid.h"

#include <stdexcept>

namespace ek::calc {

namespace {
const Text kEmpty;
}

TextGrid::TextGrid(int columns, int rows) : columns_(columns < 0 ? 0 : columns) {
    setRowCount(rows);
}

void TextGrid::setRowCount(int rows) {
    rows_ = rows < 0 ? 0 : rows;
    const std::size_t cells = static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_);
    cells_.resize(cells);
    // A table cut to a fraction of a long one gives its block back.
    if (cells < cells_.capacity() / 2)
        cells_.shrink_to_fit();
}

const Text& TextGrid::cell(int column, int row) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_)
        return kEmpty;
    return cells_[place(column, row)];
}

void TextGrid::setCell(int column, int row, Text value) {
    if (row < 0 || row >= rows_ || column < 0) {
        throw std::out_of_range("TextGrid::setCell outside the grid");
    }
    if (column >= columns_) {
        const int wider = column + 1;
        std::vector<Text> cells(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(wider));
        for (int r = 0; r < rows_; ++r) {
            for (int c = 0; c < columns_; ++c)
                cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(wider) +
                      static_cast<std::size_t>(c)] = std::move(cells_[place(c, r)]);
        }
        cells_ = std::move(cells);
        columns_ = wider;
    }
    cells_[place(column, row)] = std::move(value);
}

void TextGrid::clearDataRows() {
    for (std::size_t i = static_cast<std::size_t>(columns_); i < cells_.size(); ++i)
        cells_[i].clear();
}

std::vector<Text> TextGrid::row(int row) const {
    if (row < 0 || row >= rows_) {
        throw std::out_of_range("TextGrid::row outside the grid");
    }
    const auto first = cells_.begin() + static_cast<std::ptrdiff_t>(place(0, row));
    return std::vector<Text>(first, first + columns_);
}

}  // namespace ek::calc
