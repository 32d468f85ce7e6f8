#pragma once

// FileSaveTarget, the save target that writes a temporary file beside the
// destination and renames it over it, and the temporary names it uses.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "xls/io/file_system.h"
#include "xls/io/save_target.h"

namespace xls {

// Writes a file under a temporary name in the target's folder and renames it
// over the target on commit(), so a failed save never leaves a partly
// written file where the previous one was. Whatever fails, the temporary
// file is removed.
class FileSaveTarget final : public SaveTarget {
  public:
    // Null when the file cannot be created: the target exists but may not be
    // replaced, or no temporary file can be made in its folder (missing
    // folder, no rights, a name with no valid encoding). `fileSystem` must
    // outlive the target.
    static std::unique_ptr<FileSaveTarget> create(const std::u16string& fileName,
                                                  FileSystem& fileSystem);

    ~FileSaveTarget() override;
    FileSaveTarget(const FileSaveTarget&) = delete;
    FileSaveTarget& operator=(const FileSaveTarget&) = delete;

    bool writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override;

    // Flushes and closes the temporary file (WriteFailed when that fails),
    // then renames it over the target (ReplaceFailed when that fails).
    CommitResult commit() override;

    const std::u16string& temporaryName() const { return temporaryName_; }

  private:
    FileSaveTarget(FileSystem& fileSystem, std::u16string fileName, std::u16string temporaryName,
                   std::unique_ptr<WritableFile> file);

    FileSystem& fileSystem_;
    std::u16string fileName_;
    std::u16string temporaryName_;
    std::unique_ptr<WritableFile> file_;
    bool failed_ = false;
    bool committed_ = false;
};

// The temporary name for attempt `attempt` of a save to `fileName`: a hidden
// name in the same folder, short enough not to overflow a name limit that
// the target's own name still meets.
std::u16string temporaryFileName(const std::u16string& fileName, std::uint32_t processId,
                                 std::uint32_t attempt);

}  // namespace xls
