#include "app/command_line.h"

#include <algorithm>

#include "app/printed_state.h"
#include "calc/error.h"
#include "calc/kalkulace.h"
#include "platform/paths.h"

namespace ek::app {

namespace {

platform::Path absolute(platform::Platform& platform, const platform::Path& path) {
    if (platform::isAbsolutePath(path))
        return path;
    return platform::joinPath(platform.currentDirectory(), path, platform.separator());
}

// Points the material-list file list at the file's folder when Nastavit did
// not, and selects the file there as the user would.
void selectFile(calc::Kalkulace& state, const platform::Path& file) {
    platform::Platform& platform = state.platform();
    const char16_t separator = platform.separator();
    const platform::FolderAndName parts = platform::splitPath(file, separator);
    const platform::Path folder = platform::endsWithSeparator(parts.folder, separator)
                                      ? parts.folder
                                      : parts.folder + separator;
    if (folder != state.Edit1) {
        state.Edit1 = folder;
        state.FileListBox1.pointAt(platform, folder, calc::CzechCollation());
    }
    const calc::TextList& items = state.FileListBox1.items;
    const auto found = std::find(items.begin(), items.end(), parts.name);
    // A file the list does not show cannot be picked.
    if (found == items.end())
        throw calc::CalcError(std::string("File not found"));
    state.FileListBox1.itemIndex = static_cast<int>(found - items.begin());
}

}  // namespace

int runCommandLine(const Options& options, platform::Platform& platform, char16_t decimalSeparator,
                   std::ostream& out, std::ostream& errors) {
    // Before the file lists move the current directory.
    const platform::Path file =
        options.tabulka.empty() ? platform::Path() : absolute(platform, options.tabulka);
    try {
        calc::Kalkulace state(platform, decimalSeparator);
        state.Nastavit();
        if (file.empty()) {
            for (const calc::Text& name : state.FileListBox1.items)
                out << calc::toUtf8(name) << '\n';
            return 0;
        }
        selectFile(state, file);
        state.Prevod();
        out << printedCalculation(state);
        return 0;
    } catch (const calc::CalcError& error) {
        errors << error.what() << '\n';
        return 1;
    }
}

}  // namespace ek::app
