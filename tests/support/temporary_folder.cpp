#include "temporary_folder.h"

#include <cstdint>
#include <random>
#include <stdexcept>
#include <system_error>

namespace ek::test {

namespace fs = std::filesystem;

namespace {

std::string randomPart() {
    std::random_device device;
    const std::uint64_t value = (std::uint64_t{device()} << 32) | device();
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string text;
    for (std::uint64_t rest = value; text.size() < 10; rest /= 36)
        text += kDigits[rest % 36];
    return text;
}

// Tests take write rights from files and folders (a read-only mark on
// Windows); the removal needs them back. Links are left alone, so nothing
// outside the folder changes.
void restoreWriteRights(const fs::path& root) {
    std::error_code ignored;
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (auto entry = fs::recursive_directory_iterator(root, ignored);
         entry != fs::recursive_directory_iterator(); entry.increment(ignored)) {
        if (!entry->is_symlink(ignored))
            fs::permissions(entry->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
}

}  // namespace

TemporaryFolder::TemporaryFolder(std::string_view prefix) {
    const fs::path base = fs::temp_directory_path();
    // A name that exists already is drawn again: create_directory says so.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = base / (std::string(prefix) + randomPart());
        std::error_code error;
        if (fs::create_directory(candidate, error)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder in " + utf8Of(base));
}

TemporaryFolder::~TemporaryFolder() {
    restoreWriteRights(path_);
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

fs::path pathFromUtf8(std::string_view relative) {
    const std::u8string text(relative.begin(), relative.end());
    return fs::path(text).make_preferred();
}

std::string utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

platform::Path platformPathOf(const fs::path& path) {
    return path.u16string();
}

}  // namespace ek::test
