// A helper for the process-start tests: writes the path it was started from
// and the arguments it received, as the C runtime split them, into
// "<its own path>.out" (UTF-8, one item a line, the argument count first).
// The file appears complete or not at all, so a test can wait for it.

#include <windows.h>

#include <string>

namespace {

std::string utf8(const std::wstring& text) {
    if (text.empty())
        return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                          nullptr, nullptr);
    return out;
}

std::wstring ownPath() {
    std::wstring buffer(32768, L'\0');
    const DWORD length =
        ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    buffer.resize(length);
    return buffer;
}

bool writeWhole(const std::wstring& path, const std::string& content) {
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok =
        ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
        written == content.size();
    return ::CloseHandle(file) && ok;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring self = ownPath();
    std::string report = std::to_string(argc - 1) + "\n" + utf8(self) + "\n";
    for (int i = 1; i < argc; ++i)
        report += utf8(argv[i]) + "\n";
    const std::wstring out = self + L".out";
    const std::wstring partial = out + L".part";
    if (!writeWhole(partial, report) ||
        !::MoveFileExW(partial.c_str(), out.c_str(), MOVEFILE_REPLACE_EXISTING))
        return 1;
    return 0;
}
