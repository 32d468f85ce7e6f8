#pragma once
// An in-memory platform for tests: folders and files live in maps, messages
// and started processes are recorded, failures can be injected per path.
// Paths use "/"; relative paths are taken from the current directory. On
// Windows a path may begin with a drive ("C:/"), for real folders shown here.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace ek::test {

using platform::Bytes;
using platform::Path;

Bytes bytesOf(std::string_view text);

class FakePlatform : public platform::Platform {
  public:
    // Starts in the existing directory "/start".
    FakePlatform();

    // Creates the folder and its parents.
    void addDirectory(const Path& path);
    // Creates or replaces the file, and its parent folders.
    void addFile(const Path& path, Bytes content);
    void addFile(const Path& path, std::string_view content) { addFile(path, bytesOf(content)); }
    void removeFile(const Path& path);
    void removeDirectory(const Path& path);  // with everything in it

    void setSpecialFolder(int folderId, Path path) { specialFolders_[folderId] = std::move(path); }
    // Makes readFile (and fileSize) of `path` throw IoError(message).
    void failReading(const Path& path, std::string message);
    // Makes writeFileAtomically of `path` throw IoError(message).
    void failWriting(const Path& path, std::string message);
    // fileSize answers `size` for `path` (to stand for huge files).
    void reportSize(const Path& path, std::uint64_t size);

    // The content of a file, nullptr when there is none.
    const Bytes* file(const Path& path) const;
    std::vector<Path> allFiles() const;
    int readCount(const Path& path) const;

    struct StartedProcess {
        Path program;
        std::vector<Path> arguments;
    };
    std::vector<std::u16string> messages;
    std::vector<StartedProcess> started;
    std::vector<Path> directoryChanges;  // every successful setCurrentDirectory

    // Platform
    char16_t separator() const override { return u'/'; }
    Path specialFolder(int folderId) override;
    bool directoryExists(const Path& path) override;
    bool fileExists(const Path& path) override;
    std::vector<Path> listFiles(const Path& folder, const Path& mask) override;
    Path currentDirectory() override { return currentDirectory_; }
    bool setCurrentDirectory(const Path& path) override;
    std::uint64_t fileSize(const Path& path) override;
    Bytes readFile(const Path& path) override;
    void writeFileAtomically(const Path& path, const Bytes& content) override;
    bool copyFile(const Path& from, const Path& to) override;
    void makeWritable(const Path& path) override;
    void deleteFile(const Path& path) override;
    bool startProcess(const Path& program, const std::vector<Path>& arguments) override;
    void showMessage(const std::u16string& text) override { messages.push_back(text); }

    std::set<Path> readOnly;  // files whose deletion fails until makeWritable

  private:
    // Absolute, without "." and ".." segments, doubled or trailing "/".
    Path normalized(const Path& path) const;

    Path currentDirectory_ = u"/start";
    std::set<Path> directories_;
    std::map<Path, Bytes> files_;
    std::map<int, Path> specialFolders_;
    std::map<Path, std::string> readFailures_;
    std::map<Path, std::string> writeFailures_;
    std::map<Path, std::uint64_t> reportedSizes_;
    mutable std::map<Path, int> readCounts_;
};

}  // namespace ek::test
