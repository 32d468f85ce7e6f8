#include "bench/scratch_folder.h"

#include <chrono>
#include <random>

#include "platform/unicode.h"

namespace ek::bench {

namespace {

std::string uniqueSuffix() {
    std::random_device entropy;
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::to_string(ticks) + "-" + std::to_string(entropy());
}

}  // namespace

ScratchFolder::ScratchFolder(std::string_view label)
    : path_(std::filesystem::temp_directory_path() /
            ("ek-" + std::string(label) + "-" + uniqueSuffix())) {
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

platform::Path ScratchFolder::withSeparator() const {
    return platform::fromUtf8(path_.generic_string() + "/");
}

}  // namespace ek::bench
