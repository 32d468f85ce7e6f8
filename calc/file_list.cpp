#include "calc/file_list.h"

#include <algorithm>

#include "calc/error.h"
#include "calc/reading_messages.h"

namespace ek::calc {

namespace {

TextList listedNames(platform::Platform& platform, const Text& folder, const Text& mask,
                     const CzechCollation& collation) {
    TextList names = platform.listFiles(folder, mask);
    // Alphabetical as the user reads it; the platform's order breaks ties.
    std::stable_sort(names.begin(), names.end(), collation);
    return names;
}

}  // namespace

bool FileList::hasSelection() const {
    return itemIndex >= 0 && static_cast<std::size_t>(itemIndex) < items.size();
}

const Text& FileList::selectedName() const {
    if (!hasSelection())
        throw CalcError(noFileSelectedMessage());
    return items[static_cast<std::size_t>(itemIndex)];
}

void FileList::pointAt(platform::Platform& platform, const Text& newFolder,
                       const CzechCollation& collation) {
    folder = newFolder;
    items = listedNames(platform, folder, mask, collation);
    itemIndex = -1;
    platform.setCurrentDirectory(folder);
}

void FileList::reread(platform::Platform& platform, const CzechCollation& collation) {
    const Text selected = hasSelection() ? selectedName() : Text();
    items = listedNames(platform, folder, mask, collation);
    const auto found = std::find(items.begin(), items.end(), selected);
    itemIndex =
        selected.empty() || found == items.end() ? -1 : static_cast<int>(found - items.begin());
    platform.setCurrentDirectory(folder);
}

}  // namespace ek::calc
