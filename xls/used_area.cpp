#include "xls/used_area.h"

#include <algorithm>

namespace xls {

void TXLSUsedArea::Include(RowIndex row, ColumnIndex column) {
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

}  // namespace xls
