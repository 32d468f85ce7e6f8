#include "robustness/real_folder.h"

#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/unicode.h"

namespace ek::test {

namespace fs = std::filesystem;

RealFolder::RealFolder() {
    std::string pattern = (fs::temp_directory_path() / "ek-robust-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("no scratch folder");
    path_ = pattern;
}

RealFolder::~RealFolder() {
    std::error_code ignored;
    // Give back what a test made read-only, so that everything can go.
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(path_, ignored)) {
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(path_, ignored);
}

platform::Path RealFolder::pathText(const std::string& relative) const {
    return platform::fromUtf8(relative.empty() ? path_.string() : (path_ / relative).string());
}

void writeBytes(const fs::path& path, const platform::Bytes& content) {
    fs::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(content.data()),
               static_cast<std::streamsize>(content.size()));
}

platform::Bytes readBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::set<std::string> entriesOf(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

FileSizeLimit::FileSizeLimit(std::uint64_t bytes) {
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    previousSoft_ = limit.rlim_cur;
    previousHard_ = limit.rlim_max;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
        throw std::runtime_error("cannot limit the file size");
}

FileSizeLimit::~FileSizeLimit() {
    const rlimit limit{static_cast<rlim_t>(previousSoft_), static_cast<rlim_t>(previousHard_)};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

}  // namespace ek::test
