#include "xls/model/formulas.h"

namespace xls {

const TXLSFormula* TXLSFormulas::Find(RowIndex row, ColumnIndex column) const {
    const auto found = formulas_.find(KeyOf(row, column));
    return found == formulas_.end() ? nullptr : &found->second;
}

void TXLSFormulas::Set(RowIndex row, ColumnIndex column, const TXLSFormula& formula) {
    formulas_.insert_or_assign(KeyOf(row, column), formula);
}

void TXLSFormulas::Remove(RowIndex row, ColumnIndex column) {
    formulas_.erase(KeyOf(row, column));
}

}  // namespace xls
