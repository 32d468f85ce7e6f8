#include "scratch_folder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

namespace ek::test {

namespace {

std::filesystem::path fsPath(const platform::Path& path) {
    return std::filesystem::path(std::wstring(path.begin(), path.end()));
}

platform::Path temporaryFolder() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH)
        throw std::runtime_error("no temporary folder");
    platform::Path folder(buffer, buffer + length);
    if (folder.back() == u'\\')
        folder.pop_back();
    return folder;
}

// Read-only marks would make the removal fail.
void clearReadOnlyMarks(const std::filesystem::path& root) {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root, ignored)) {
        const std::wstring name = entry.path().wstring();
        const DWORD attributes = ::GetFileAttributesW(name.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            ::SetFileAttributesW(name.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
    }
}

}  // namespace

ScratchFolder::ScratchFolder() {
    const platform::Path base = temporaryFolder();
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Process id and a high-resolution tick: several folders of one
        // process differ too; a name that exists already is tried again.
        LARGE_INTEGER tick{};
        ::QueryPerformanceCounter(&tick);
        const std::string name = "ek-" + std::to_string(::GetCurrentProcessId()) + "-" +
                                 std::to_string(tick.QuadPart) + "-" + std::to_string(attempt);
        const platform::Path candidate = base + u"\\" + platform::Path(name.begin(), name.end());
        const std::wstring wide(candidate.begin(), candidate.end());
        if (::CreateDirectoryW(wide.c_str(), nullptr)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a scratch folder");
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    clearReadOnlyMarks(fsPath(path_));
    std::filesystem::remove_all(fsPath(path_), ignored);
}

platform::Path ScratchFolder::operator/(std::u16string_view relative) const {
    return path_ + u"\\" + platform::Path(relative);
}

platform::Path ScratchFolder::makeFolder(std::u16string_view relative) const {
    const platform::Path folder = *this / relative;
    std::filesystem::create_directories(fsPath(folder));
    return folder;
}

platform::Path ScratchFolder::writeFile(std::u16string_view relative,
                                        const platform::Bytes& content) const {
    const platform::Path file = *this / relative;
    std::filesystem::create_directories(fsPath(file).parent_path());
    std::ofstream out(fsPath(file), std::ios::binary);
    out.write(reinterpret_cast<const char*>(content.data()),
              static_cast<std::streamsize>(content.size()));
    if (!out)
        throw std::runtime_error("cannot write a scratch file");
    return file;
}

platform::Bytes bytesOf(std::string_view text) {
    return platform::Bytes(text.begin(), text.end());
}

}  // namespace ek::test
