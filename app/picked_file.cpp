#include "app/picked_file.h"

#include <algorithm>

#include "calc/error.h"
#include "platform/io_failure.h"
#include "platform/mask.h"
#include "platform/paths.h"

namespace ek::app {

namespace {

// Why the file list does not show `file`.
calc::Text notListedMessage(platform::Platform& platform, const platform::Path& file,
                            const platform::Path& name, const platform::Path& mask) {
    using platform::FileOperation;
    using platform::IoFailure;
    if (platform.directoryExists(file))
        return calc::fromUtf8(
            platform::ioErrorMessage(FileOperation::Read, file, IoFailure::NotAFile));
    if (!platform.fileExists(file))
        return calc::fromUtf8(
            platform::ioErrorMessage(FileOperation::Read, file, IoFailure::NotFound));
    const calc::Text quoted = u"Soubor \"" + file + u"\"";
    if (!platform::matchesMask(name, mask)) {
        return quoted +
               u" nemá příponu \".txt\"; seznamy kalkulací program čte jen z takových souborů.";
    }
    return quoted + u" je skrytý; seznam kalkulací skryté soubory neukazuje.";
}

}  // namespace

platform::Path absolutePath(platform::Platform& platform, const platform::Path& path) {
    if (platform::isAbsolutePath(path))
        return path;
    return platform::joinPath(platform.currentDirectory(), path, platform.separator());
}

void pickFile(calc::Kalkulace& state, const platform::Path& file) {
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
    if (found == items.end()) {
        throw calc::CalcError(
            notListedMessage(platform, file, parts.name, state.FileListBox1.mask));
    }
    state.FileListBox1.itemIndex = static_cast<int>(found - items.begin());
}

}  // namespace ek::app
