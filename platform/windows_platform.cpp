#ifdef _WIN32

#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <algorithm>
#include <utility>

#include "platform/io_failure.h"
#include "platform/mask.h"
#include "platform/paths.h"
#include "platform/platform.h"

namespace ek::platform {

namespace {

// wchar_t is a UTF-16 code unit on Windows, so paths pass through unchanged.
std::wstring wide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}
std::u16string narrowed(const wchar_t* text) {
    const std::wstring_view view(text);
    return std::u16string(view.begin(), view.end());
}

IoFailure failureOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
            return IoFailure::NotFound;
        case ERROR_ACCESS_DENIED:
            return IoFailure::AccessDenied;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return IoFailure::InUse;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return IoFailure::DiskFull;
        case ERROR_FILE_TOO_LARGE:
            return IoFailure::TooLarge;
        case ERROR_WRITE_PROTECT:
            return IoFailure::ReadOnlyDisk;
        case ERROR_FILENAME_EXCED_RANGE:
            return IoFailure::NameTooLong;
        default:
            return IoFailure::Other;
    }
}

[[noreturn]] void throwIoError(FileOperation operation, const Path& path, DWORD error) {
    throw IoError(ioErrorMessage(operation, path, failureOf(error), static_cast<long>(error)));
}

[[noreturn]] void throwLastError(FileOperation operation, const Path& path) {
    throwIoError(operation, path, ::GetLastError());
}

// Closes a file handle when it goes out of scope.
class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (valid())
            ::CloseHandle(handle_);
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }
    bool close() {
        const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
        return ::CloseHandle(handle) != 0;
    }

  private:
    HANDLE handle_;
};

// One argument quoted as the C runtime parses command lines.
std::wstring quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos)
        return argument;
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    out += L'"';
    return out;
}

class WindowsPlatform final : public Platform {
  public:
    explicit WindowsPlatform(SystemPlatformOptions options) : options_(std::move(options)) {
        // A relative documents folder is taken from where the program starts;
        // the file lists change the current directory later.
        Path& documents = options_.documentsFolder;
        if (!documents.empty() && !isAbsolutePath(documents)) {
            documents = joinPath(currentDirectory(), documents, separator());
        }
    }

    char16_t separator() const override { return u'\\'; }

    Path specialFolder(int folderId) override {
        if (folderId == kDocuments && !options_.documentsFolder.empty()) {
            return options_.documentsFolder;
        }
        wchar_t buffer[MAX_PATH] = {};
        if (FAILED(::SHGetFolderPathW(nullptr, folderId, nullptr, 0, buffer)))
            return {};
        return narrowed(buffer);
    }

    bool directoryExists(const Path& path) override {
        const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    bool fileExists(const Path& path) override {
        const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    std::vector<Path> listFiles(const Path& folder, const Path& mask) override {
        std::vector<Path> names;
        std::wstring pattern = wide(folder);
        if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/')
            pattern += L'\\';
        pattern += L'*';
        WIN32_FIND_DATAW found{};
        const HANDLE search = ::FindFirstFileW(pattern.c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        const DWORD skipped =
            FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        do {
            const Path name = narrowed(found.cFileName);
            // The mask is applied here, not by the search, whose 8.3 short
            // names would let "*.txt" match "a.txtx" too.
            if (!(found.dwFileAttributes & skipped) && matchesMask(name, mask))
                names.push_back(name);
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
        std::sort(names.begin(), names.end());
        return names;
    }

    Path currentDirectory() override {
        const DWORD length = ::GetCurrentDirectoryW(0, nullptr);
        if (length == 0)
            return {};
        std::wstring buffer(length, L'\0');
        const DWORD written = ::GetCurrentDirectoryW(length, buffer.data());
        if (written == 0 || written >= length)
            return {};
        buffer.resize(written);
        return narrowed(buffer.c_str());
    }

    bool setCurrentDirectory(const Path& path) override {
        return ::SetCurrentDirectoryW(wide(path).c_str()) != 0;
    }

    std::uint64_t fileSize(const Path& path) override {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!::GetFileAttributesExW(wide(path).c_str(), GetFileExInfoStandard, &data)) {
            throwLastError(FileOperation::Read, path);
        }
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            throw IoError(ioErrorMessage(FileOperation::Read, path, IoFailure::NotAFile));
        return (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }

    Bytes readFile(const Path& path) override {
        Handle file(::CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) {
            const DWORD error = ::GetLastError();
            // A folder cannot be opened as a file: it is refused as a folder.
            const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
                throw IoError(ioErrorMessage(FileOperation::Read, path, IoFailure::NotAFile));
            throwIoError(FileOperation::Read, path, error);
        }
        Bytes content;
        std::uint8_t buffer[65536];
        for (;;) {
            DWORD got = 0;
            if (!::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr))
                throwLastError(FileOperation::Read, path);
            if (got == 0)
                break;
            content.insert(content.end(), buffer, buffer + got);
        }
        return content;
    }

    void writeFileAtomically(const Path& path, const Bytes& content) override {
        const std::wstring target = wide(path);
        const std::wstring temporary = target + L".~" + std::to_wstring(::GetCurrentProcessId());
        Handle file(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid())
            throwLastError(FileOperation::Write, path);
        std::size_t done = 0;
        bool written = true;
        while (written && done < content.size()) {
            const DWORD chunk =
                static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1 << 20));
            DWORD put = 0;
            written =
                ::WriteFile(file.get(), content.data() + done, chunk, &put, nullptr) && put > 0;
            done += put;
        }
        written = written && ::FlushFileBuffers(file.get());
        DWORD error = ::GetLastError();
        written = file.close() && written;
        if (written && !::MoveFileExW(temporary.c_str(), target.c_str(),
                                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            written = false;
            error = ::GetLastError();
        }
        if (!written) {
            ::DeleteFileW(temporary.c_str());
            throwIoError(FileOperation::Write, path, error);
        }
    }

    bool copyFile(const Path& from, const Path& to) override {
        return ::CopyFileW(wide(from).c_str(), wide(to).c_str(), FALSE) != 0;
    }

    void makeWritable(const Path& path) override {
        ::SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_ARCHIVE);
    }

    void deleteFile(const Path& path) override {
        if (!::DeleteFileW(wide(path).c_str()))
            throwLastError(FileOperation::Delete, path);
    }

    bool startProcess(const Path& program, const std::vector<Path>& arguments) override {
        std::wstring commandLine = quoted(wide(program));
        for (const Path& argument : arguments)
            commandLine += L' ' + quoted(wide(argument));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        const std::wstring application = wide(program);
        if (!::CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                              nullptr, nullptr, &startup, &process)) {
            return false;
        }
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
        return true;
    }

    void showMessage(const std::u16string& text) override {
        if (options_.messageSink) {
            options_.messageSink(text);
            return;
        }
        ::MessageBoxW(nullptr, wide(text).c_str(), wide(options_.messageTitle).c_str(), MB_OK);
    }

  private:
    SystemPlatformOptions options_;
};

}  // namespace

std::unique_ptr<Platform> makeSystemPlatform(SystemPlatformOptions options) {
    return std::make_unique<WindowsPlatform>(std::move(options));
}

}  // namespace ek::platform

#endif  // _WIN32
