#pragma once
// A temporary folder of the real file system, removed with everything in it.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "platform/unicode.h"

namespace ek::test {

class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "ek-export-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            ADD_FAILURE() << "no scratch folder";
        path_ = pattern;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() { std::filesystem::remove_all(path_); }

    const std::filesystem::path& path() const { return path_; }
    // The folder with a trailing separator, as Edit1 holds a folder.
    std::u16string folderText() const { return platform::fromUtf8(path_.string() + "/"); }

  private:
    std::filesystem::path path_;
};

}  // namespace ek::test
