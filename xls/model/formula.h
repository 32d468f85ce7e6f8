#pragma once

// TXLSFormula, what a formula cell computes: the sum of one area of its own
// sheet, the one kind of formula the library writes.

#include "xls/model/cell_area.h"

namespace xls {

// The sum (SUM) of the number cells of one area of the sheet the formula
// stands on. A value type: copied into the sheet's formulas.
class TXLSFormula {
  public:
    static TXLSFormula Sum(const TXLSCellArea& area) { return TXLSFormula(area); }

    const TXLSCellArea& SumArea() const { return sumArea_; }

    friend bool operator==(const TXLSFormula&, const TXLSFormula&) = default;

  private:
    explicit TXLSFormula(const TXLSCellArea& area) : sumArea_(area) {}

    TXLSCellArea sumArea_;
};

}  // namespace xls
