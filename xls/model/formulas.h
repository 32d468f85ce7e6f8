#pragma once

// TXLSFormulas, the formulas of one worksheet, kept by cell beside the cell
// store (whose cells hold only the kind and the last result).

#include <cstddef>
#include <cstdint>
#include <map>

#include "xls/model/formula.h"
#include "xls/model/ids.h"

namespace xls {

// The formula of each formula cell of a sheet. A sheet holds few of them, so
// they stay out of the 16-byte cells.
class TXLSFormulas {
  public:
    const TXLSFormula* Find(RowIndex row, ColumnIndex column) const;
    // Sets or replaces the formula of (row, column).
    void Set(RowIndex row, ColumnIndex column, const TXLSFormula& formula);
    void Remove(RowIndex row, ColumnIndex column);
    std::size_t Count() const { return formulas_.size(); }

  private:
    static std::uint32_t KeyOf(RowIndex row, ColumnIndex column) {
        return (static_cast<std::uint32_t>(row.value) << 8) | column.value;
    }
    std::map<std::uint32_t, TXLSFormula> formulas_;
};

}  // namespace xls
