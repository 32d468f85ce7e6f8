#include "app/cli_export.h"

#include <exception>

#include "app/picked_file.h"

#include "calc/categories.h"
#include "calc/error.h"
#include "calc/kalkulace.h"
#include "export/category_sheets.h"
#include "export/export.h"
#include "export/export_paths.h"
#include "platform/automation.h"

namespace ek::app {

namespace {

// Kept: without it the export of 65 530 items peaks at 110 MB instead of 75 MB.
void releaseReadingLists(calc::Kalkulace& state) {
    // Moved onto, not assigned {}: a list assigned {} keeps its block.
    state.ListBox1 = calc::TextList();
    state.ListBox3 = calc::TextList();
    state.ListBox4 = calc::TextList();
    state.ListBox5 = calc::TextList();
    state.StringGrid1 = calc::TextGrid();
}

void printResult(const calc::Kalkulace& state, std::ostream& out) {
    for (std::size_t index = 0; index < calc::kCategoryCount; ++index) {
        if (state.categoryTable(index).rowCount() < 2)
            continue;  // no worksheet
        out << calc::toUtf8(exporter::kCategorySheets[index].sheetName) << '\t'
            << calc::toUtf8(state.subtotalItem(index)) << '\n';
    }
    out << calc::toUtf8(exporter::kProjectTotalText) << '\t' << calc::toUtf8(state.INF_celkova_cena)
        << '\n';
    out << "Uloženo\t" << calc::toUtf8(exporter::exportPath(state)) << '\n';
}

}  // namespace

std::optional<int> plantNameModeOf(std::u16string_view text) {
    if (text == u"prvni" || text == u"první")
        return 0;
    if (text == u"druhy" || text == u"druhý")
        return 1;
    if (text == u"oba")
        return 2;
    return std::nullopt;
}

int runExport(const ExportCommand& command, platform::Platform& platform, char16_t decimalSeparator,
              std::ostream& out, std::ostream& errors) {
    try {
        const platform::Path file = absolutePath(platform, command.file);
        calc::Kalkulace state(platform, decimalSeparator);
        // No Nastavit: the host's folders and the OpenOffice program concern
        // the window (and their messages with them); the export needs only
        // the folder of the file it is given.
        state.RadioGroup2 = command.plantNameMode;
        pickFile(state, file);
        state.Prevod();
        // A reading that stopped has shown its message and left the export disabled.
        if (!state.Button15Enabled)
            return 1;
        releaseReadingLists(state);
        const auto automation = platform::makeSystemAutomation(platform);
        exporter::Export exporter(state, *automation);
        exporter.CheckBox1 = command.amountsAsNumbers;
        if (!exporter.Button15Click())
            return 1;
        printResult(state, out);
        return 0;
    } catch (const std::exception& error) {
        errors << error.what() << '\n';
        return 1;
    }
}

}  // namespace ek::app
