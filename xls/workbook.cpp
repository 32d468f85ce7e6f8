#include "xls/workbook.h"

namespace xls {

TXLSWorkbook::TXLSWorkbook() : worksheets_(*this) {}

TXLSWorkbook::~TXLSWorkbook() = default;

}  // namespace xls
