#pragma once
// A fresh folder of the real file system under the system's temporary folder,
// removed with everything in it when the object goes; and UTF-8 texts as
// paths, on every system (a narrow path is in the ANSI code page on Windows,
// not in UTF-8).

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace ek::test {

class TemporaryFolder {
  public:
    // The folder's name begins with `prefix`, then a random part.
    explicit TemporaryFolder(std::string_view prefix = "ek-");
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// `relative` ('/'-separated UTF-8) as a path; on Windows with '\' separators.
std::filesystem::path pathFromUtf8(std::string_view relative);
// The path as UTF-8 text.
std::string utf8Of(const std::filesystem::path& path);
// The path as the platform interface takes it.
platform::Path platformPathOf(const std::filesystem::path& path);

}  // namespace ek::test
