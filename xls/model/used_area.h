#pragma once

// The rows and columns a worksheet's stored cells span (TXLSUsedArea), widened
// as cells are stored.

#include <algorithm>

#include "xls/model/ids.h"

namespace xls {

// The rows and columns a sheet's stored cells span; all zero while empty.
struct TXLSUsedArea {
    int firstRow = 0;
    int lastRow = 0;
    int rowCount = 0;
    int firstColumn = 0;
    int lastColumn = 0;
    int columnCount = 0;

    bool Empty() const { return rowCount == 0; }
    // Inline: every new cell widens the area.
    void Include(RowIndex row, ColumnIndex column) {
        const int r = row.value;
        const int c = column.value;
        if (Empty()) {
            firstRow = lastRow = r;
            firstColumn = lastColumn = c;
        } else {
            firstRow = std::min(firstRow, r);
            lastRow = std::max(lastRow, r);
            firstColumn = std::min(firstColumn, c);
            lastColumn = std::max(lastColumn, c);
        }
        rowCount = lastRow - firstRow + 1;
        columnCount = lastColumn - firstColumn + 1;
    }
};

}  // namespace xls
