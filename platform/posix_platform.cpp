#ifndef _WIN32

#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <utility>

#include "platform/io_failure.h"
#include "platform/mask.h"
#include "platform/paths.h"
#include "platform/platform.h"
#include "platform/unicode.h"
#include "platform/xdg_documents.h"

extern char** environ;

namespace ek::platform {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

IoFailure failureOf(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return IoFailure::NotFound;
        case EACCES:
        case EPERM:
            return IoFailure::AccessDenied;
        case EISDIR:
            return IoFailure::NotAFile;
        case ETXTBSY:
        case EBUSY:
            return IoFailure::InUse;
        case ENOSPC:
        case EDQUOT:
            return IoFailure::DiskFull;
        case EFBIG:
            return IoFailure::TooLarge;
        case EROFS:
            return IoFailure::ReadOnlyDisk;
        case ENAMETOOLONG:
            return IoFailure::NameTooLong;
        default:
            return IoFailure::Other;
    }
}

[[noreturn]] void throwIoError(FileOperation operation, const Path& path, int error) {
    throw IoError(ioErrorMessage(operation, path, failureOf(error), error));
}

// A folder, or something else that is not a regular file (a pipe, a device).
[[noreturn]] void throwNotRegular(const Path& path, mode_t mode) {
    throw IoError(ioErrorMessage(FileOperation::Read, path,
                                 S_ISDIR(mode) ? IoFailure::NotAFile : IoFailure::NotRegular));
}

// Closes a file descriptor when it goes out of scope.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and reports whether the close succeeded.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

std::string documentsFolder() {
    const std::string home = environment("HOME");
    std::string config = environment("XDG_CONFIG_HOME");
    if (config.empty())
        config = home + "/.config";
    std::ifstream file(config + "/user-dirs.dirs");
    std::stringstream content;
    content << file.rdbuf();
    return documentsFromUserDirs(content.str(), home);
}

std::string firstOf(const std::string& list) {
    return list.substr(0, list.find(':'));
}

bool writeAll(int fd, const Bytes& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t written = ::write(fd, content.data() + done, content.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

class PosixPlatform final : public Platform {
  public:
    explicit PosixPlatform(SystemPlatformOptions options) : options_(std::move(options)) {
        // A relative documents folder is taken from where the program starts;
        // the file lists change the current directory later.
        Path& documents = options_.documentsFolder;
        if (!documents.empty() && !isAbsolutePath(documents)) {
            documents = joinPath(currentDirectory(), documents, separator());
        }
    }

    char16_t separator() const override { return u'/'; }

    Path specialFolder(int folderId) override {
        switch (folderId) {
            case kDocuments:
                if (!options_.documentsFolder.empty())
                    return options_.documentsFolder;
                return fromUtf8(documentsFolder());
            case kLocalAppData: {
                const std::string data = environment("XDG_DATA_HOME");
                return fromUtf8(data.empty() ? environment("HOME") + "/.local/share" : data);
            }
            case kCommonAppData: {
                const std::string dirs = firstOf(environment("XDG_DATA_DIRS"));
                return fromUtf8(dirs.empty() ? "/usr/local/share" : dirs);
            }
            // Installed programs live in /usr/bin on a Debian system.
            case kProgramFiles:
                return u"/usr/bin";
            default:
                return {};  // no shared documents folder here
        }
    }

    bool directoryExists(const Path& path) override {
        struct stat info {};
        return ::stat(toUtf8(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    }

    bool fileExists(const Path& path) override {
        struct stat info {};
        return ::stat(toUtf8(path).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
    }

    std::vector<Path> listFiles(const Path& folder, const Path& mask) override {
        std::vector<Path> names;
        DIR* directory = ::opendir(toUtf8(folder.empty() ? u"." : folder).c_str());
        if (!directory)
            return names;
        const std::string prefix =
            toUtf8(folder) + (folder.empty() || folder.back() == u'/' ? "" : "/");
        while (const dirent* entry = ::readdir(directory)) {
            const std::string name = entry->d_name;
            // Dot files are hidden files here, and hidden files are not listed.
            if (name.empty() || name.front() == '.')
                continue;
            const Path wide = fromUtf8(name);
            if (!matchesMask(wide, mask))
                continue;
            struct stat info {};
            if (::stat((prefix + name).c_str(), &info) == 0 && S_ISDIR(info.st_mode))
                continue;
            names.push_back(wide);
        }
        ::closedir(directory);
        std::sort(names.begin(), names.end());
        return names;
    }

    Path currentDirectory() override {
        std::vector<char> buffer(4096);
        while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
            if (errno != ERANGE)
                return {};
            buffer.resize(buffer.size() * 2);
        }
        return fromUtf8(buffer.data());
    }

    bool setCurrentDirectory(const Path& path) override {
        return ::chdir(toUtf8(path).c_str()) == 0;
    }

    std::uint64_t fileSize(const Path& path) override {
        struct stat info {};
        if (::stat(toUtf8(path).c_str(), &info) != 0)
            throwIoError(FileOperation::Read, path, errno);
        if (S_ISDIR(info.st_mode))
            throwNotRegular(path, info.st_mode);
        return static_cast<std::uint64_t>(info.st_size);
    }

    Bytes readFile(const Path& path) override {
        // Not blocking: opening a named pipe would otherwise wait for a writer.
        FileDescriptor fd(::open(toUtf8(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
        if (fd.get() < 0)
            throwIoError(FileOperation::Read, path, errno);
        struct stat info {};
        if (::fstat(fd.get(), &info) != 0)
            throwIoError(FileOperation::Read, path, errno);
        // Only a regular file has an end: a pipe or a device such as /dev/zero
        // (even behind a link named like a material list) is not read.
        if (!S_ISREG(info.st_mode))
            throwNotRegular(path, info.st_mode);
        // Read straight into the result, sized to the file and one byte more,
        // so that the read that finds the end has room; a file that grows
        // meanwhile is read on to its new end.
        Bytes content(static_cast<std::size_t>(info.st_size) + 1);
        std::size_t filled = 0;
        for (;;) {
            if (filled == content.size())
                content.resize(filled + std::max<std::size_t>(65536, filled / 2));
            const ssize_t got = ::read(fd.get(), content.data() + filled, content.size() - filled);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                throwIoError(FileOperation::Read, path, errno);
            if (got == 0)
                break;
            filled += static_cast<std::size_t>(got);
        }
        content.resize(filled);
        return content;
    }

    void writeFileAtomically(const Path& path, const Bytes& content) override {
        const std::string target = toUtf8(path);
        const std::string temporary = target + ".~" + std::to_string(::getpid());
        FileDescriptor fd(
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
        if (fd.get() < 0)
            throwIoError(FileOperation::Write, path, errno);
        bool written = writeAll(fd.get(), content) && ::fsync(fd.get()) == 0;
        const int writeError = errno;
        written = fd.close() && written;
        if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
            const int error = written ? errno : writeError;
            ::unlink(temporary.c_str());
            throwIoError(FileOperation::Write, path, error);
        }
    }

    bool copyFile(const Path& from, const Path& to) override {
        try {
            writeFileAtomically(to, readFile(from));
            return true;
        } catch (const IoError&) {
            return false;
        }
    }

    void makeWritable(const Path& path) override {
        struct stat info {};
        const std::string name = toUtf8(path);
        if (::stat(name.c_str(), &info) == 0)
            ::chmod(name.c_str(), info.st_mode | S_IWUSR);
    }

    void deleteFile(const Path& path) override {
        if (::unlink(toUtf8(path).c_str()) != 0)
            throwIoError(FileOperation::Delete, path, errno);
    }

    bool startProcess(const Path& program, const std::vector<Path>& arguments) override {
        std::vector<std::string> texts{toUtf8(program)};
        for (const Path& argument : arguments)
            texts.push_back(toUtf8(argument));
        std::vector<char*> argv;
        for (std::string& text : texts)
            argv.push_back(text.data());
        argv.push_back(nullptr);
        // An intermediate child spawns the program and exits at once, so the
        // program is not our child and leaves no zombie behind.
        const pid_t child = ::fork();
        if (child < 0)
            return false;
        if (child == 0) {
            pid_t program_pid = 0;
            const int error =
                ::posix_spawnp(&program_pid, argv[0], nullptr, nullptr, argv.data(), environ);
            ::_exit(error == 0 ? 0 : 1);
        }
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    void showMessage(const std::u16string& text) override {
        if (options_.messageSink) {
            options_.messageSink(text);
        } else {
            std::cerr << toUtf8(text) << '\n';
        }
    }

  private:
    SystemPlatformOptions options_;
};

}  // namespace

std::unique_ptr<Platform> makeSystemPlatform(SystemPlatformOptions options) {
    return std::make_unique<PosixPlatform>(std::move(options));
}

}  // namespace ek::platform

#endif  // _WIN32
