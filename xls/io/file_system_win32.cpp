#ifdef _WIN32

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <optional>

#include "xls/io/file_system.h"
#include "xls/io/temporary_name.h"

namespace xls {

namespace {

// The reason a system error code gives, `otherwise` for one that names none.
SaveResult reasonOf(DWORD error, SaveResult otherwise) {
    switch (error) {
        case ERROR_PATH_NOT_FOUND:
        case ERROR_FILE_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
            return SaveResult::FolderMissing;
        case ERROR_ACCESS_DENIED:
            return SaveResult::NoPermission;
        case ERROR_WRITE_PROTECT:
            return SaveResult::ReadOnlyFileSystem;
        case ERROR_FILENAME_EXCED_RANGE:
            return SaveResult::NameTooLong;
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_DIRECTORY:
            return SaveResult::InvalidName;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_USER_MAPPED_FILE:
            return SaveResult::FileInUse;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return SaveResult::NoSpace;
        case ERROR_FILE_TOO_LARGE:
            return SaveResult::FileTooLarge;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return SaveResult::OutOfMemory;
        default:
            return otherwise;
    }
}

SaveResult lastReason(SaveResult otherwise) {
    return reasonOf(::GetLastError(), otherwise);
}

// wchar_t is a UTF-16 code unit on Windows. A NUL inside the path would cut
// it short at the call, so such a path is refused.
std::optional<std::wstring> widePath(const std::u16string& path) {
    if (path.empty() || path.find(u'\0') != std::u16string::npos) {
        return std::nullopt;
    }
    return std::wstring(path.begin(), path.end());
}

// The folder part of `path` with its separator, empty for a bare name.
std::wstring folderPrefix(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L"/\\:");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

// The new file of a save, under a temporary name beside the destination
// until it is moved over it.
class Win32Replacement final : public WritableFile {
  public:
    explicit Win32Replacement(std::wstring destination) : destination_(std::move(destination)) {}
    ~Win32Replacement() override {
        if (handle_ != INVALID_HANDLE_VALUE) {
            ::CloseHandle(handle_);  // first: Windows deletes no open file
        }
        if (!name_.empty()) {
            ::DeleteFileW(name_.c_str());
        }
    }
    Win32Replacement(const Win32Replacement&) = delete;
    Win32Replacement& operator=(const Win32Replacement&) = delete;

    // Creates the file under `path`: nullopt when the name is taken.
    std::optional<SaveResult> open(const std::wstring& path) {
        handle_ = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle_ == INVALID_HANDLE_VALUE) {
            const DWORD error = ::GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
                return std::nullopt;
            }
            return reasonOf(error, SaveResult::CannotCreate);
        }
        name_ = path;
        return SaveResult::Saved;
    }

    SaveResult writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
        if (handle_ == INVALID_HANDLE_VALUE) {
            return SaveResult::WriteFailed;
        }
        while (!bytes.empty()) {
            const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
            OVERLAPPED position{};
            position.Offset = static_cast<DWORD>(offset);
            position.OffsetHigh = static_cast<DWORD>(offset >> 32);
            DWORD written = 0;
            if (!::WriteFile(handle_, bytes.data(), piece, &written, &position)) {
                return lastReason(SaveResult::WriteFailed);
            }
            if (written == 0) {
                return SaveResult::WriteFailed;
            }
            offset += written;
            bytes = bytes.subspan(written);
        }
        return SaveResult::Saved;
    }

    SaveResult moveInPlace() override {
        if (handle_ == INVALID_HANDLE_VALUE) {
            return SaveResult::WriteFailed;
        }
        if (!::FlushFileBuffers(handle_)) {
            return lastReason(SaveResult::WriteFailed);
        }
        const BOOL closed = ::CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        if (!closed) {
            return lastReason(SaveResult::WriteFailed);
        }
        if (!::MoveFileExW(name_.c_str(), destination_.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return lastReason(SaveResult::CannotCreate);
        }
        name_.clear();
        return SaveResult::Saved;
    }

  private:
    std::wstring destination_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    std::wstring name_;  // empty once moved in place
};

class Win32FileSystem final : public FileSystem {
  public:
    SaveResult mayReplace(const std::u16string& path) override {
        const auto name = widePath(path);
        if (!name) {
            return SaveResult::InvalidName;
        }
        const DWORD attributes = ::GetFileAttributesW(name->c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            const DWORD error = ::GetLastError();
            return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                       ? SaveResult::Saved
                       : reasonOf(error, SaveResult::CannotCreate);
        }
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            return SaveResult::TargetIsFolder;
        }
        if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
            return SaveResult::ReadOnlyFile;
        }
        // A file another program holds open (a spreadsheet program locks the
        // workbook it shows) refuses an exclusive open; it must stay as it is.
        const HANDLE handle = ::CreateFileW(name->c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            return lastReason(SaveResult::FileInUse);
        }
        ::CloseHandle(handle);
        return SaveResult::Saved;
    }

    Made<WritableFile> createReplacement(const std::u16string& path) override {
        const auto destination = widePath(path);
        if (!destination) {
            return {nullptr, SaveResult::InvalidName};
        }
        auto file = std::make_unique<Win32Replacement>(*destination);
        const SaveResult created = withFreeTemporaryName([&](const std::u16string& temporary) {
            return file->open(folderPrefix(*destination) +
                              std::wstring(temporary.begin(), temporary.end()));
        });
        if (created != SaveResult::Saved) {
            return {nullptr, created};
        }
        return {std::move(file)};
    }
};

}  // namespace

FileSystem& nativeFileSystem() {
    static Win32FileSystem fileSystem;  // stateless
    return fileSystem;
}

}  // namespace xls

#endif  // _WIN32
