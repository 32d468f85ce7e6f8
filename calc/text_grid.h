#pragma once
// A table of text cells (a StringGrid of the working state): a settable row
// count and as many columns as have been set. Reading outside gives empty text.

#include <cstddef>
#include <vector>

#include "calc/text.h"

namespace ek::calc {

class TextGrid {
public:
    TextGrid() = default;
    TextGrid(int columns, int rows);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    int columnCount() const { return columns_; }

    // New rows start empty; rows beyond the new count are dropped.
    void setRowCount(int rows);

    // Column first, as the grids are addressed (column, row).
    const Text& cell(int column, int row) const;
    // Grows the columns when `column` lies beyond them; rows must exist.
    void setCell(int column, int row, Text value);

    // Empties every cell of the data rows (row 1 on), keeping the header row.
    void clearDataRows();

    const std::vector<Text>& row(int row) const { return rows_.at(static_cast<std::size_t>(row)); }

    friend bool operator==(const TextGrid&, const TextGrid&) = default;

private:
    int columns_ = 0;
    std::vector<std::vector<Text>> rows_;
};

}  // namespace ek::calc
