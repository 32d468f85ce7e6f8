#pragma once
// A file list of the working state (FileListBox1, FileListBox2): the files of
// one folder that match a mask, and the selected one.

#include "calc/czech_collation.h"
#include "calc/text.h"
#include "platform/platform.h"

namespace ek::calc {

struct FileList {
    Text folder;
    Text mask;
    TextList items;      // file names, alphabetical
    int itemIndex = -1;  // the selected item, -1 for none

    // Throws CalcError when nothing is selected.
    const Text& selectedName() const;
    bool hasSelection() const;

    // Lists `newFolder`, clears the selection and makes the folder the current
    // directory.
    void pointAt(platform::Platform& platform, const Text& newFolder,
                 const CzechCollation& collation);
    // Lists the folder again (keeping the selected file when it is still
    // there) and makes it the current directory.
    void reread(platform::Platform& platform, const CzechCollation& collation);
};

}  // namespace ek::calc
