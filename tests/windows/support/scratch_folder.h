#pragma once
// A fresh folder under the user's temporary folder, removed with everything
// in it when the object goes.

#include <string_view>

#include "platform/platform.h"

namespace ek::test {

class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder, without a trailing separator ("C:\...\Temp\ek-1234-1").
    const platform::Path& path() const { return path_; }
    // `relative` ('\'-separated) inside the folder.
    platform::Path operator/(std::u16string_view relative) const;

    // Creates the folder `relative` and the folders above it.
    platform::Path makeFolder(std::u16string_view relative) const;
    // Writes `content` into the file `relative`, creating its folders.
    platform::Path writeFile(std::u16string_view relative, const platform::Bytes& content) const;

  private:
    platform::Path path_;
};

// The bytes of `text` (for small text files).
platform::Bytes bytesOf(std::string_view text);

}  // namespace ek::test
