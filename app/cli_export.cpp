#include "app/cli_export.h"

#include <algorithm>
#include <exception>

#include "calc/categories.h"
#include "calc/error.h"
#include "calc/kalkulace.h"
#include "export/category_sheets.h"
#include "export/export.h"
#include "export/export_paths.h"
#include "platform/automation.h"
#include "platform/paths.h"

namespace ek::app {

namespace {

platform::Path absolute(platform::Platform& platform, const platform::Path& path) {
    if (platform::isAbsolutePath(path))
        return path;
    return platform::joinPath(platform.currentDirectory(), path, platform.separator());
}

// The file list shows the file's folder and the file is selected in it, as
// when the user picks it; Edit1 is that folder with its separator.
void pick(calc::Kalkulace& state, const platform::Path& file) {
    platform::Platform& platform = state.platform();
    const char16_t separator = platform.separator();
    const platform::FolderAndName parts = platform::splitPath(file, separator);
    const platform::Path folder = platform::endsWithSeparator(parts.folder, separator)
                                      ? parts.folder
                                      : parts.folder + separator;
    if (folder != state.Edit1 || state.FileListBox1.folder != folder) {
        state.Edit1 = folder;
        state.FileListBox1.pointAt(platform, folder, calc::CzechCollation());
    }
    const calc::TextList& items = state.FileListBox1.items;
    const auto found = std::find(items.begin(), items.end(), parts.name);
    if (found == items.end())
        throw calc::CalcError(std::string("File not found"));
    state.FileListBox1.itemIndex = static_cast<int>(found - items.begin());
}

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
        const platform::Path file = absolute(platform, command.file);
        calc::Kalkulace state(platform, decimalSeparator);
        state.Nastavit();
        state.RadioGroup2 = command.plantNameMode;
        pick(state, file);
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
