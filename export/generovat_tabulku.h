#pragma once
// The export of the loaded calculation as a workbook file.

#include <optional>

#include "calc/kalkulace.h"
#include "export/export_options.h"
#include "xls/xls.h"

namespace ek::exporter {

// One worksheet per category table that has rows, in the order of
// kCategorySheets, each ending with the project total (INF_celkova_cena).
void buildWorkbook(xls::TXLSWorkbook& workbook, const calc::Kalkulace& state,
                   const ExportOptions& options = {});

// Checks the worksheet limits (a failure shows its message and gives no
// result: nothing is saved), builds the workbook and saves it as
// exportPath(state), replacing an existing file. Returns the save's result.
// An error of the workbook operations propagates, and nothing is saved.
std::optional<xls::SaveResult> GenerovatTabulku(calc::Kalkulace& state,
                                                const ExportOptions& options = {});

}  // namespace ek::exporter
