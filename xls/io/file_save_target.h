#pragma once

// FileSaveTarget, the save target that writes a new file beside the
// destination and moves it in place at the end.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "xls/io/file_system.h"
#include "xls/io/save_target.h"

namespace xls {

// Writes a new file in the destination's folder and moves it over the
// destination on commit(), so a failed save never leaves a partly written
// file where the previous one was. Whatever fails, the new file is removed.
class FileSaveTarget final : public SaveTarget {
  public:
    // No target when the file cannot be created: the destination exists but
    // may not be replaced, or no new file can be made in its folder; the
    // failure says why. A symbolic link at `fileName` is kept and the file
    // it names replaced. `fileSystem` must outlive the target.
    static Made<FileSaveTarget> create(const std::u16string& fileName, FileSystem& fileSystem);

    explicit FileSaveTarget(std::unique_ptr<WritableFile> file) : file_(std::move(file)) {}

    SaveResult writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override;
    SaveResult commit() override;

  private:
    std::unique_ptr<WritableFile> file_;
    SaveResult failure_ = SaveResult::Saved;  // of the first failed write
};

}  // namespace xls
