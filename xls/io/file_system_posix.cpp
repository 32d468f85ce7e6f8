#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "xls/io/file_system.h"
#include "xls/io/path_encoding.h"

namespace xls {

namespace {

class PosixFile final : public WritableFile {
  public:
    explicit PosixFile(int descriptor) : descriptor_(descriptor) {}
    ~PosixFile() override {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    bool writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
        if (descriptor_ < 0) {
            return false;
        }
        while (!bytes.empty()) {
            if (offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max())) {
                return false;
            }
            const ssize_t written =
                ::pwrite(descriptor_, bytes.data(), bytes.size(), static_cast<off_t>(offset));
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return false;  // error, or a device that takes nothing more
            }
            offset += static_cast<std::uint64_t>(written);
            bytes = bytes.subspan(static_cast<std::size_t>(written));
        }
        return true;
    }

    bool flushAndClose() override {
        if (descriptor_ < 0) {
            return false;
        }
        const bool synced = ::fsync(descriptor_) == 0;
        // close() may report a delayed write error (NFS and the like); the
        // descriptor is gone either way, so it is never retried.
        const bool closed = ::close(descriptor_) == 0;
        descriptor_ = -1;
        return synced && closed;
    }

  private:
    int descriptor_;
};

// Best effort: makes a rename survive a crash on file systems that need it.
// The rename already happened, so a failure here does not undo the save.
void syncFolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

class PosixFileSystem final : public FileSystem {
  public:
    Created createNew(const std::u16string& path) override {
        const auto name = utf8Path(path);
        if (!name || name->empty()) {
            return {};
        }
        const int descriptor =
            ::open(name->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (descriptor < 0) {
            return {nullptr, errno == EEXIST};
        }
        return {std::make_unique<PosixFile>(descriptor), false};
    }

    bool mayReplace(const std::u16string& path) override {
        const auto name = utf8Path(path);
        if (!name || name->empty()) {
            return false;
        }
        struct stat status {};
        if (::stat(name->c_str(), &status) != 0) {
            return errno == ENOENT;
        }
        // A read-only file is not replaced, as the original in-place
        // creation would have failed on it too.
        return S_ISREG(status.st_mode) &&
               ::faccessat(AT_FDCWD, name->c_str(), W_OK, AT_EACCESS) == 0;
    }

    bool replace(const std::u16string& from, const std::u16string& to) override {
        const auto source = utf8Path(from);
        const auto target = utf8Path(to);
        if (!source || !target || ::rename(source->c_str(), target->c_str()) != 0) {
            return false;
        }
        syncFolderOf(*target);
        return true;
    }

    bool remove(const std::u16string& path) override {
        const auto name = utf8Path(path);
        return name && ::unlink(name->c_str()) == 0;
    }

    std::uint32_t processId() override { return static_cast<std::uint32_t>(::getpid()); }
};

}  // namespace

FileSystem& nativeFileSystem() {
    static PosixFileSystem fileSystem;  // stateless
    return fileSystem;
}

}  // namespace xls

#endif  // !_WIN32
