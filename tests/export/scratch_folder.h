#pragma once
// A temporary folder of the real file system, removed with everything in it.

#include <filesystem>
#include <string>

#include "support/temporary_folder.h"

namespace ek::test {

class ScratchFolder {
  public:
    const std::filesystem::path& path() const { return folder_.path(); }
    // The folder with a trailing separator, as Edit1 holds a folder; '/' on
    // every system, the separator of the fake platform, which Windows takes too.
    std::u16string folderText() const { return path().generic_u16string() + u'/'; }

  private:
    TemporaryFolder folder_{"ek-export-"};
};

}  // namespace ek::test
