#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <limits>
#include <optional>
#include <vector>

#include "xls/io/file_system.h"
#include "xls/io/path_encoding.h"
#include "xls/io/save_signals.h"
#include "xls/io/temporary_name.h"

namespace xls {

namespace {

// Links followed before giving up, as the kernel does (ELOOP).
constexpr int kMaxLinkHops = 40;

// The reason an errno gives, `otherwise` for one that names none.
SaveResult reasonOf(int error, SaveResult otherwise) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return SaveResult::FolderMissing;
        case EISDIR:
            return SaveResult::TargetIsFolder;
        case EACCES:
        case EPERM:
            return SaveResult::NoPermission;
        case EROFS:
            return SaveResult::ReadOnlyFileSystem;
        case ENAMETOOLONG:
            return SaveResult::NameTooLong;
        case EILSEQ:
            return SaveResult::InvalidName;
        case ETXTBSY:
        case EBUSY:
            return SaveResult::FileInUse;
        case ENOSPC:
        case EDQUOT:
            return SaveResult::NoSpace;
        case EFBIG:
            return SaveResult::FileTooLarge;
        case ENOMEM:
            return SaveResult::OutOfMemory;
        default:
            return otherwise;
    }
}

// The folder part of `path` with its slash, empty for a bare name.
std::string folderPrefix(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string folderOf(const std::string& path) {
    const std::string prefix = folderPrefix(path);
    return prefix.empty() ? std::string(".") : prefix;
}

// Temporary names are ASCII.
std::string narrow(const std::u16string& name) {
    return std::string(name.begin(), name.end());
}

// The path `path` leads to once symbolic links at its end are followed, a
// relative link read from the link's own folder. A link to nowhere gives the
// path it points to: the file is created there.
std::optional<std::string> followLinks(std::string path, int& error) {
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return path;
        }
        std::vector<char> target(PATH_MAX);
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) == target.size()) {
            error = length < 0 ? errno : ENAMETOOLONG;
            return std::nullopt;
        }
        const std::string next(target.data(), static_cast<std::size_t>(length));
        path = next.front() == '/' ? next : folderPrefix(path) + next;
    }
    error = ELOOP;
    return std::nullopt;
}

// The file a save to `path` replaces, as a system-call path, or why there is none.
struct Destination {
    std::string path;
    SaveResult failure = SaveResult::Saved;
};

Destination destinationOf(const std::u16string& path) {
    const auto name = utf8Path(path);
    if (!name || name->empty()) {
        return {{}, SaveResult::InvalidName};
    }
    int error = 0;
    std::optional<std::string> followed = followLinks(*name, error);
    if (!followed) {
        return {{}, reasonOf(error, SaveResult::CannotCreate)};
    }
    return {std::move(*followed)};
}

// Best effort: makes a rename survive a crash on file systems that need it.
// The rename already happened, so a failure here does not undo the save.
void syncFolderOf(const std::string& path) {
    const int descriptor = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

// The new file of a save. Where the file system allows, it has no name while
// it is written (O_TMPFILE), so nothing is left if the process ends at any
// moment; it is linked under a temporary name only to be renamed over the
// destination. Elsewhere it is written under a temporary name, which an
// interrupt removes before the process ends.
class PosixReplacement final : public WritableFile {
  public:
    explicit PosixReplacement(std::string destination) : destination_(std::move(destination)) {}
    ~PosixReplacement() override { discard(); }
    PosixReplacement(const PosixReplacement&) = delete;
    PosixReplacement& operator=(const PosixReplacement&) = delete;

    // False when the folder's file system has no unnamed files.
    bool openUnnamed() {
#ifdef O_TMPFILE
        descriptor_ =
            ::open(folderOf(destination_).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (descriptor_ >= 0 && !linkable()) {
            discard();
        }
#endif
        return descriptor_ >= 0;
    }

    // Creates the file under `path`: nullopt when the name is taken.
    std::optional<SaveResult> openNamed(const std::string& path) {
        const SignalsHeld held;  // no interrupt between the creation and its removal's set-up
        descriptor_ =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (descriptor_ < 0) {
            return errno == EEXIST ? std::nullopt
                                   : std::optional(reasonOf(errno, SaveResult::CannotCreate));
        }
        name(path);
        return SaveResult::Saved;
    }

    // The permission bits, owner and group of the file it replaces, as far
    // as the process may set them; a new file keeps the process's defaults.
    void adoptPermissions() {
        struct stat old {};
        if (::stat(destination_.c_str(), &old) != 0) {
            return;
        }
        // The owner first: changing it may clear set-id bits the mode restores.
        if (::fchown(descriptor_, old.st_uid, old.st_gid) != 0 &&
            ::fchown(descriptor_, static_cast<uid_t>(-1), old.st_gid) != 0) {
            // Not permitted: the file stays the process's own.
        }
        if (::fchmod(descriptor_, old.st_mode & 07777) != 0) {
            // Best effort, as for the owner.
        }
    }

    SaveResult writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
        if (descriptor_ < 0) {
            return SaveResult::WriteFailed;
        }
        while (!bytes.empty()) {
            if (offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max())) {
                return SaveResult::FileTooLarge;
            }
            const ssize_t written =
                ::pwrite(descriptor_, bytes.data(), bytes.size(), static_cast<off_t>(offset));
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written < 0) {
                return reasonOf(errno, SaveResult::WriteFailed);
            }
            if (written == 0) {
                return SaveResult::WriteFailed;  // a device that takes nothing more
            }
            offset += static_cast<std::uint64_t>(written);
            bytes = bytes.subspan(static_cast<std::size_t>(written));
        }
        return SaveResult::Saved;
    }

    SaveResult moveInPlace() override {
        if (descriptor_ < 0) {
            return SaveResult::WriteFailed;
        }
        if (::fsync(descriptor_) != 0) {
            return reasonOf(errno, SaveResult::WriteFailed);
        }
        // From the link to the rename the file has a name of its own; an
        // interrupt waits until it is either in place or gone.
        const SignalsHeld held;
        if (name_.empty()) {
            if (const SaveResult linked = link(); linked != SaveResult::Saved) {
                return linked;
            }
        }
        // close() may report a delayed write error (NFS and the like); the
        // descriptor is gone either way, so it is never retried.
        const int closed = ::close(descriptor_);
        descriptor_ = -1;
        if (closed != 0) {
            return reasonOf(errno, SaveResult::WriteFailed);
        }
        if (::rename(name_.c_str(), destination_.c_str()) != 0) {
            return reasonOf(errno, SaveResult::CannotCreate);
        }
        name_.clear();
        removal_.reset();
        syncFolderOf(destination_);
        return SaveResult::Saved;
    }

  private:
    // An unnamed file is linked in through its /proc entry, which needs no
    // privilege; without /proc it could never be linked, so none is made.
    std::string procEntry() const {
        return "/proc/self/fd/" + std::to_string(descriptor_);
    }
    bool linkable() const {
        return ::access(procEntry().c_str(), F_OK) == 0;
    }

    SaveResult link() {
        const std::string entry = procEntry();
        return withFreeTemporaryName(
            [&](const std::u16string& temporary) -> std::optional<SaveResult> {
                const std::string path = folderPrefix(destination_) + narrow(temporary);
                if (::linkat(AT_FDCWD, entry.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) !=
                    0) {
                    return errno == EEXIST
                               ? std::nullopt
                               : std::optional(reasonOf(errno, SaveResult::WriteFailed));
                }
                name(path);
                return SaveResult::Saved;
            });
    }

    void name(const std::string& path) {
        name_ = path;
        removal_.emplace(name_);
    }

    void discard() {
        const SignalsHeld held;
        if (descriptor_ >= 0) {
            ::close(descriptor_);
            descriptor_ = -1;
        }
        if (!name_.empty()) {
            ::unlink(name_.c_str());
            name_.clear();
        }
        removal_.reset();
    }

    const FileSizeSignalIgnored fileSizeSignal_;
    std::string destination_;
    int descriptor_ = -1;
    std::string name_;  // empty while the file has none
    std::optional<RemovedOnInterrupt> removal_;
};

class PosixFileSystem final : public FileSystem {
  public:
    explicit PosixFileSystem(bool unnamedFiles) : unnamedFiles_(unnamedFiles) {}

    SaveResult mayReplace(const std::u16string& path) override {
        const Destination destination = destinationOf(path);
        if (destination.failure != SaveResult::Saved) {
            return destination.failure;
        }
        struct stat status {};
        if (::stat(destination.path.c_str(), &status) != 0) {
            return errno == ENOENT ? SaveResult::Saved : reasonOf(errno, SaveResult::CannotCreate);
        }
        if (S_ISDIR(status.st_mode)) {
            return SaveResult::TargetIsFolder;
        }
        if (!S_ISREG(status.st_mode)) {
            return SaveResult::CannotCreate;
        }
        // A read-only file is not replaced, as an in-place creation would
        // have failed on it too.
        if (::faccessat(AT_FDCWD, destination.path.c_str(), W_OK, AT_EACCESS) != 0) {
            return errno == EACCES || errno == EPERM ? SaveResult::ReadOnlyFile
                                                     : reasonOf(errno, SaveResult::CannotCreate);
        }
        return SaveResult::Saved;
    }

    Made<WritableFile> createReplacement(const std::u16string& path) override {
        const Destination destination = destinationOf(path);
        if (destination.failure != SaveResult::Saved) {
            return {nullptr, destination.failure};
        }
        auto file = std::make_unique<PosixReplacement>(destination.path);
        if (!unnamedFiles_ || !file->openUnnamed()) {
            const SaveResult created = withFreeTemporaryName([&](const std::u16string& temporary) {
                return file->openNamed(folderPrefix(destination.path) + narrow(temporary));
            });
            if (created != SaveResult::Saved) {
                return {nullptr, created};
            }
        }
        file->adoptPermissions();
        return {std::move(file)};
    }

  private:
    const bool unnamedFiles_;
};

}  // namespace

FileSystem& nativeFileSystem() {
    static PosixFileSystem fileSystem(true);  // stateless
    return fileSystem;
}

FileSystem& namedFilesFileSystem() {
    static PosixFileSystem fileSystem(false);
    return fileSystem;
}

}  // namespace xls

#endif  // !_WIN32
