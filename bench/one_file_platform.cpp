#include "bench/one_file_platform.h"

namespace ek::bench {

namespace {

[[noreturn]] void notFound() {
    throw platform::IoError("File not found");
}

}  // namespace

OneFilePlatform::OneFilePlatform(platform::Path fileName, platform::Bytes content)
    : fileName_(std::move(fileName)), content_(std::move(content)) {}

// The file is found in whichever folder it is asked for.
bool OneFilePlatform::isTheFile(const platform::Path& path) const {
    return path.size() >= fileName_.size() && path.ends_with(fileName_) &&
           (path.size() == fileName_.size() || path[path.size() - fileName_.size() - 1] == u'/');
}

bool OneFilePlatform::fileExists(const platform::Path& path) {
    return isTheFile(path);
}

std::vector<platform::Path> OneFilePlatform::listFiles(const platform::Path&,
                                                       const platform::Path&) {
    return {fileName_};
}

bool OneFilePlatform::setCurrentDirectory(const platform::Path& path) {
    currentDirectory_ = path;
    return true;
}

std::uint64_t OneFilePlatform::fileSize(const platform::Path& path) {
    if (!isTheFile(path))
        notFound();
    return content_.size();
}

platform::Bytes OneFilePlatform::readFile(const platform::Path& path) {
    if (!isTheFile(path))
        notFound();
    return content_;
}

void OneFilePlatform::writeFileAtomically(const platform::Path&, const platform::Bytes&) {
    throw platform::IoError("Access denied");
}

void OneFilePlatform::deleteFile(const platform::Path&) {
    throw platform::IoError("Access denied");
}

}  // namespace ek::bench
