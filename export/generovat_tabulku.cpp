#include "export/generovat_tabulku.h"

#include "export/amounts_as_numbers.h"
#include "export/category_sheet_layout.h"
#include "export/category_sheets.h"
#include "export/export_paths.h"
#include "export/sheet_limits.h"
#include "xls/xls.h"

namespace ek::exporter {

void buildWorkbook(xls::TXLSWorkbook& workbook, const calc::Kalkulace& state,
                   const ExportOptions& options) {
    for (std::size_t index = 0; index < kCategorySheets.size(); ++index) {
        const calc::TextGrid& table = state.categoryTable(index);
        // A category the material list lacks has only its header row.
        if (table.rowCount() < 2)
            continue;
        xls::IXLSWorksheet& worksheet = workbook.Worksheets().Add();
        worksheet.SetName(kCategorySheets[index].sheetName);
        layOutCategorySheet(worksheet, kCategorySheets[index], table, state.INF_celkova_cena);
        if (options.amountsAsNumbers)
            writeAmountsAsNumbers(worksheet, table, state.INF_celkova_cena);
    }
}

std::optional<xls::SaveResult> GenerovatTabulku(calc::Kalkulace& state,
                                                const ExportOptions& options) {
    if (const std::optional<calc::Text> violation = sheetLimitViolation(state)) {
        state.platform().showMessage(*violation);
        return std::nullopt;
    }
    xls::TXLSWorkbook workbook;
    buildWorkbook(workbook, state, options);
    return xls::SaveAs(workbook, exportPath(state));
}

}  // namespace ek::exporter
