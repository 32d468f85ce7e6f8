#include "xls/model/workbook.h"

#include "xls/io/save_as.h"

namespace xls {

TXLSWorkbook::TXLSWorkbook() : worksheets_(*this) {}

TXLSWorkbook::~TXLSWorkbook() = default;

int TXLSWorkbook::SaveAs(const std::u16string& fileName) {
    return saveAsCode(xls::SaveAs(*this, fileName));
}

}  // namespace xls
