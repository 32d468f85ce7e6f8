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

    int rowCount() const { return rows_; }
    int columnCount() const { return columns_; }

    // New rows start empty; rows beyond the new count are dropped.
    void setRowCount(int rows);

    // Column first, as the grids are addressed (column, row).
    const Text& cell(int column, int row) const;
    // Grows the columns when `column` lies beyond them; rows must exist.
    void setCell(int column, int row, Text value);

    // Empties every cell of the data rows (row 1 on), keeping the header row.
    void clearDataRows();

    // A copy of the row's cells; throws std::out_of_range outside the rows.
    std::vector<Text> row(int row) const;

    friend bool operator==(const TextGrid&, const TextGrid&) = default;

  private:
    std::size_t place(int column, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(column);
    }

    int columns_ = 0;
    int rows_ = 0;
    // Row after row, columns_ cells each: one block for the whole table
    // rather than one per row (a material list has tens of thousands).
    std::vector<Text> cells_;
};

}  // namespace ek::calc
