#include "xls/workbook.h"

#include "xls/save_as.h"

namespace xls {

TXLSWorkbook::TXLSWorkbook() : worksheets_(*this) {}

TXLSWorkbook::~TXLSWorkbook() = default;

int TXLSWorkbook::SaveAs(const std::u16string& fileName) {
    return xls::SaveAs(*this, fileName);
}

}  // namespace xls
