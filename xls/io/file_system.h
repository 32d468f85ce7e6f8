#pragma once

// FileSystem, the operating-system calls of an atomic save (examine the
// destination, create its replacement, move it in place);
// file_system_posix.cpp and file_system_win32.cpp implement it.

#include <cstdint>
#include <span>
#include <string>

#include "xls/io/save_result.h"

namespace xls {

// The new file of a save, made in the destination's folder but not visible
// under the destination's name until moveInPlace(). Destroying it before
// then closes it and removes every trace of it.
class WritableFile {
  public:
    virtual ~WritableFile() = default;

    // Writes all of `bytes` at `offset`: Saved, or why not all could be written.
    virtual SaveResult writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) = 0;

    // Forces the written bytes to the disk, closes the file and puts it in
    // the destination's place in one step. Called at most once; on failure
    // the destination is as it was.
    virtual SaveResult moveInPlace() = 0;
};

// The few operating-system calls an atomic save needs, behind an interface
// so that tests can make any one of them fail. Paths are UTF-16; the Linux
// implementation converts them to UTF-8 at the system call and refuses a
// path that has no exact UTF-8 form (an unpaired surrogate, a NUL).
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Saved when `path` names no file yet, or an existing regular file that
    // this process may overwrite; otherwise why it may not be replaced. A
    // symbolic link at `path` is followed: the file it names is the one a
    // save replaces, the link itself stays.
    virtual SaveResult mayReplace(const std::u16string& path) = 0;

    // A new empty file in the folder of the file `path` names (symbolic
    // links followed), under a name nobody can foresee or with none at all,
    // carrying the permissions of the file it is to replace.
    virtual Made<WritableFile> createReplacement(const std::u16string& path) = 0;
};

// The machine's own file system (POSIX calls on Linux, wide Win32 calls on
// Windows). The object holds no state.
FileSystem& nativeFileSystem();

#ifndef _WIN32
// The machine's file system with every new file written under a temporary
// name from the start, as on file systems without unnamed files (network
// shares); the native one falls back to it there by itself.
FileSystem& namedFilesFileSystem();
#endif

}  // namespace xls
