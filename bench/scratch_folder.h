#pragma once
// A folder of its own under the system's temporary folder, removed with
// everything in it when the object ends.

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace ek::bench {

class ScratchFolder {
  public:
    explicit ScratchFolder(std::string_view label);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as the working state holds it: UTF-16, ending with "/".
    platform::Path withSeparator() const;

  private:
    std::filesystem::path path_;
};

}  // namespace ek::bench
