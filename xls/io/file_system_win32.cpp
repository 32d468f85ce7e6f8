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

namespace xls {

namespace {

// wchar_t is a UTF-16 code unit on Windows. A NUL inside the path would cut
// it short at the call, so such a path is refused.
std::optional<std::wstring> widePath(const std::u16string& path) {
    if (path.empty() || path.find(u'\0') != std::u16string::npos) {
        return std::nullopt;
    }
    return std::wstring(path.begin(), path.end());
}

class Win32File final : public WritableFile {
  public:
    explicit Win32File(HANDLE handle) : handle_(handle) {}
    ~Win32File() override {
        if (handle_ != INVALID_HANDLE_VALUE) {
            ::CloseHandle(handle_);
        }
    }
    Win32File(const Win32File&) = delete;
    Win32File& operator=(const Win32File&) = delete;

    bool writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
        if (handle_ == INVALID_HANDLE_VALUE) {
            return false;
        }
        while (!bytes.empty()) {
            const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
            OVERLAPPED position{};
            position.Offset = static_cast<DWORD>(offset);
            position.OffsetHigh = static_cast<DWORD>(offset >> 32);
            DWORD written = 0;
            if (!::WriteFile(handle_, bytes.data(), piece, &written, &position) || written == 0) {
                return false;
            }
            offset += written;
            bytes = bytes.subspan(written);
        }
        return true;
    }

    bool flushAndClose() override {
        if (handle_ == INVALID_HANDLE_VALUE) {
            return false;
        }
        const bool flushed = ::FlushFileBuffers(handle_) != 0;
        const bool closed = ::CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return flushed && closed;
    }

  private:
    HANDLE handle_;
};

class Win32FileSystem final : public FileSystem {
  public:
    Created createNew(const std::u16string& path) override {
        const auto name = widePath(path);
        if (!name) {
            return {};
        }
        const HANDLE handle = ::CreateFileW(name->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD error = ::GetLastError();
            return {nullptr, error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS};
        }
        return {std::make_unique<Win32File>(handle), false};
    }

    bool mayReplace(const std::u16string& path) override {
        const auto name = widePath(path);
        if (!name) {
            return false;
        }
        const DWORD attributes = ::GetFileAttributesW(name->c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            const DWORD error = ::GetLastError();
            return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        }
        if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
            return false;
        }
        // A file another program holds open (a spreadsheet program locks the
        // workbook it shows) refuses an exclusive open; it must stay as it is.
        const HANDLE handle = ::CreateFileW(name->c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            return false;
        }
        ::CloseHandle(handle);
        return true;
    }

    bool replace(const std::u16string& from, const std::u16string& to) override {
        const auto source = widePath(from);
        const auto target = widePath(to);
        return source && target &&
               ::MoveFileExW(source->c_str(), target->c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }

    bool remove(const std::u16string& path) override {
        const auto name = widePath(path);
        return name && ::DeleteFileW(name->c_str()) != 0;
    }

    std::uint32_t processId() override { return ::GetCurrentProcessId(); }
};

}  // namespace

FileSystem& nativeFileSystem() {
    static Win32FileSystem fileSystem;  // stateless
    return fileSystem;
}

}  // namespace xls

#endif  // _WIN32
