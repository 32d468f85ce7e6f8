#pragma once
// A scratch folder of the real file system, removed with everything in it,
// and the few file operations the tests need around it.

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace ek::test {

class RealFolder {
  public:
    RealFolder();
    RealFolder(const RealFolder&) = delete;
    RealFolder& operator=(const RealFolder&) = delete;
    ~RealFolder();

    const std::filesystem::path& path() const { return path_; }
    // `relative` under the folder as a platform path.
    platform::Path pathText(const std::string& relative = {}) const;

  private:
    std::filesystem::path path_;
};

void writeBytes(const std::filesystem::path& path, const platform::Bytes& content);
platform::Bytes readBytes(const std::filesystem::path& path);
// Names of everything in `folder` (files and folders, hidden ones too).
std::set<std::string> entriesOf(const std::filesystem::path& folder);

// While it lives, a file cannot grow past `bytes`: a write beyond fails as on
// a full disk (EFBIG, with the signal that would end the process ignored).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(std::uint64_t bytes);
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit();

  private:
    std::uint64_t previousSoft_ = 0;
    std::uint64_t previousHard_ = 0;
};

}  // namespace ek::test
