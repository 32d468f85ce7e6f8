#pragma once

// FileSystem, the operating-system calls of an atomic save (create a new file,
// check and replace the destination, remove, process id); file_system_posix.cpp
// and file_system_win32.cpp implement it.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace xls {

// A file opened for writing by FileSystem::createNew. Destroying it closes
// the handle without reporting anything.
class WritableFile {
  public:
    virtual ~WritableFile() = default;

    // Writes all of `bytes` at `offset`; false when not all could be written.
    virtual bool writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) = 0;

    // Forces the written bytes to the disk and closes the handle; false when
    // either step fails (the bytes may then be lost). Called at most once.
    virtual bool flushAndClose() = 0;
};

// The few operating-system calls an atomic save needs, behind an interface
// so that tests can make any one of them fail. Paths are UTF-16; the Linux
// implementation converts them to UTF-8 at the system call and treats a path
// that has no exact UTF-8 form (an unpaired surrogate, a NUL) as one that
// cannot be created.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    struct Created {
        std::unique_ptr<WritableFile> file;  // null when not created
        bool nameTaken = false;              // failed because the name exists
    };
    // Creates a file that must not exist yet (O_EXCL, CREATE_NEW).
    virtual Created createNew(const std::u16string& path) = 0;

    // True when `path` names no file yet, or an existing regular file that
    // this process may overwrite (not read-only, not locked, not a folder).
    virtual bool mayReplace(const std::u16string& path) = 0;

    // Moves `from` over `to` in one step (rename, MoveFileExW with replace).
    virtual bool replace(const std::u16string& from, const std::u16string& to) = 0;

    virtual bool remove(const std::u16string& path) = 0;

    // Makes temporary names of concurrent processes differ.
    virtual std::uint32_t processId() = 0;
};

// The machine's own file system (POSIX calls on Linux, wide Win32 calls on
// Windows). The object holds no state.
FileSystem& nativeFileSystem();

}  // namespace xls
