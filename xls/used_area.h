#pragma once

#include "xls/ids.h"

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
    void Include(RowIndex row, ColumnIndex column);
};

}  // namespace xls
