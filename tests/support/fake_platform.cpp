#include "fake_platform.h"

#include <algorithm>

#include "platform/mask.h"

namespace ek::test {

namespace {

Path parentOf(const Path& path) {
    const std::size_t cut = path.rfind(u'/');
    if (cut == Path::npos || cut == 0)
        return u"/";
    return path.substr(0, cut);
}

Path nameOf(const Path& path) {
    return path.substr(path.rfind(u'/') + 1);
}

}  // namespace

Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

FakePlatform::FakePlatform() {
    addDirectory(currentDirectory_);
}

Path FakePlatform::normalized(const Path& path) const {
#ifdef _WIN32
    // A real folder that a test shows through the fake ("C:/Users/..."): its
    // drive stays in front, so that the path still names that folder.
    if (path.size() >= 3 && path[1] == u':' && path[2] == u'/')
        return path.substr(0, 2) + normalized(path.substr(2));
#endif
    const Path full =
        (!path.empty() && path.front() == u'/') ? path : currentDirectory_ + u"/" + path;
    std::vector<Path> segments;
    std::size_t start = 0;
    while (start <= full.size()) {
        std::size_t end = full.find(u'/', start);
        if (end == Path::npos)
            end = full.size();
        const Path segment = full.substr(start, end - start);
        if (segment == u"..") {
            if (!segments.empty())
                segments.pop_back();
        } else if (!segment.empty() && segment != u".") {
            segments.push_back(segment);
        }
        start = end + 1;
    }
    Path out;
    for (const Path& segment : segments)
        out += u"/" + segment;
    return out.empty() ? Path(u"/") : out;
}

void FakePlatform::addDirectory(const Path& path) {
    for (Path folder = normalized(path); directories_.insert(folder).second && folder != u"/";) {
        folder = parentOf(folder);
    }
}

void FakePlatform::addFile(const Path& path, Bytes content) {
    const Path name = normalized(path);
    addDirectory(parentOf(name));
    files_[name] = std::move(content);
}

void FakePlatform::removeFile(const Path& path) {
    files_.erase(normalized(path));
}

void FakePlatform::removeDirectory(const Path& path) {
    const Path folder = normalized(path);
    const Path prefix = folder + u"/";
    std::erase_if(directories_,
                  [&](const Path& d) { return d == folder || d.starts_with(prefix); });
    std::erase_if(files_, [&](const auto& entry) { return entry.first.starts_with(prefix); });
}

void FakePlatform::failReading(const Path& path, std::string message) {
    readFailures_[normalized(path)] = std::move(message);
}

void FakePlatform::failWriting(const Path& path, std::string message) {
    writeFailures_[normalized(path)] = std::move(message);
}

void FakePlatform::reportSize(const Path& path, std::uint64_t size) {
    reportedSizes_[normalized(path)] = size;
}

const Bytes* FakePlatform::file(const Path& path) const {
    const auto found = files_.find(normalized(path));
    return found == files_.end() ? nullptr : &found->second;
}

std::vector<Path> FakePlatform::allFiles() const {
    std::vector<Path> names;
    for (const auto& entry : files_)
        names.push_back(entry.first);
    return names;
}

int FakePlatform::readCount(const Path& path) const {
    const auto found = readCounts_.find(normalized(path));
    return found == readCounts_.end() ? 0 : found->second;
}

Path FakePlatform::specialFolder(int folderId) {
    const auto found = specialFolders_.find(folderId);
    return found == specialFolders_.end() ? Path() : found->second;
}

bool FakePlatform::directoryExists(const Path& path) {
    return directories_.contains(normalized(path));
}

bool FakePlatform::fileExists(const Path& path) {
    return files_.contains(normalized(path));
}

std::vector<Path> FakePlatform::listFiles(const Path& folder, const Path& mask) {
    const Path wanted = normalized(folder);
    std::vector<Path> names;
    for (const auto& entry : files_) {
        if (parentOf(entry.first) != wanted)
            continue;
        const Path name = nameOf(entry.first);
        if (platform::matchesMask(name, mask))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool FakePlatform::setCurrentDirectory(const Path& path) {
    const Path folder = normalized(path);
    if (!directories_.contains(folder))
        return false;
    currentDirectory_ = folder;
    directoryChanges.push_back(folder);
    return true;
}

std::uint64_t FakePlatform::fileSize(const Path& path) {
    const Path name = normalized(path);
    if (const auto failure = readFailures_.find(name); failure != readFailures_.end()) {
        throw platform::IoError(failure->second);
    }
    if (const auto size = reportedSizes_.find(name); size != reportedSizes_.end()) {
        return size->second;
    }
    const auto found = files_.find(name);
    if (found == files_.end())
        throw platform::IoError("File not found");
    return found->second.size();
}

Bytes FakePlatform::readFile(const Path& path) {
    const Path name = normalized(path);
    ++readCounts_[name];
    if (const auto failure = readFailures_.find(name); failure != readFailures_.end()) {
        throw platform::IoError(failure->second);
    }
    const auto found = files_.find(name);
    if (found == files_.end())
        throw platform::IoError("File not found");
    return found->second;
}

void FakePlatform::writeFileAtomically(const Path& path, const Bytes& content) {
    const Path name = normalized(path);
    if (const auto failure = writeFailures_.find(name); failure != writeFailures_.end()) {
        throw platform::IoError(failure->second);
    }
    if (!directories_.contains(parentOf(name)))
        throw platform::IoError("File not found");
    files_[name] = content;
}

bool FakePlatform::copyFile(const Path& from, const Path& to) {
    const auto found = files_.find(normalized(from));
    if (found == files_.end() || !directories_.contains(parentOf(normalized(to))))
        return false;
    files_[normalized(to)] = found->second;
    return true;
}

void FakePlatform::makeWritable(const Path& path) {
    readOnly.erase(normalized(path));
}

void FakePlatform::deleteFile(const Path& path) {
    const Path name = normalized(path);
    if (readOnly.contains(name))
        throw platform::IoError("Access denied");
    if (files_.erase(name) == 0)
        throw platform::IoError("File not found");
}

bool FakePlatform::startProcess(const Path& program, const std::vector<Path>& arguments) {
    started.push_back({program, arguments});
    return true;
}

}  // namespace ek::test
