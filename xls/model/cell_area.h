#pragma once

// Rectangles of cells in 0-based rows and columns (TXLSCellArea): what a range
// addresses and what a merged area covers.

#include <cstdint>

#include "xls/model/ids.h"

namespace xls {

// A rectangle of cells, 0-based, first <= last in both directions.
struct TXLSCellArea {
    RowIndex firstRow;
    RowIndex lastRow;
    ColumnIndex firstColumn;
    ColumnIndex lastColumn;

    int RowCount() const { return lastRow.value - firstRow.value + 1; }
    int ColumnCount() const { return lastColumn.value - firstColumn.value + 1; }
    bool Contains(RowIndex row, ColumnIndex column) const {
        return firstRow <= row && row <= lastRow && firstColumn <= column && column <= lastColumn;
    }
    bool Contains(const TXLSCellArea& other) const {
        return firstRow <= other.firstRow && other.lastRow <= lastRow &&
               firstColumn <= other.firstColumn && other.lastColumn <= lastColumn;
    }
    bool Overlaps(const TXLSCellArea& other) const {
        return firstRow <= other.lastRow && other.firstRow <= lastRow &&
               firstColumn <= other.lastColumn && other.firstColumn <= lastColumn;
    }

    friend bool operator==(const TXLSCellArea&, const TXLSCellArea&) = default;
};

}  // namespace xls
