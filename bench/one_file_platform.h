#pragma once
// A platform that holds one material list in memory, for measuring and
// checking the reading and the export without the disk or the user's
// folders. Every folder exists and lists that one file; nothing else can be
// read; messages are kept.

#include <string>
#include <vector>

#include "platform/platform.h"

namespace ek::bench {

class OneFilePlatform : public platform::Platform {
  public:
    OneFilePlatform(platform::Path fileName, platform::Bytes content);

    const platform::Path& fileName() const { return fileName_; }
    std::vector<std::u16string> messages;

    char16_t separator() const override { return u'/'; }
    platform::Path specialFolder(int) override { return {}; }
    bool directoryExists(const platform::Path&) override { return true; }
    bool fileExists(const platform::Path& path) override;
    std::vector<platform::Path> listFiles(const platform::Path& folder,
                                          const platform::Path& mask) override;
    platform::Path currentDirectory() override { return currentDirectory_; }
    bool setCurrentDirectory(const platform::Path& path) override;
    std::uint64_t fileSize(const platform::Path& path) override;
    platform::Bytes readFile(const platform::Path& path) override;
    void writeFileAtomically(const platform::Path& path, const platform::Bytes& content) override;
    bool copyFile(const platform::Path&, const platform::Path&) override { return false; }
    void makeWritable(const platform::Path&) override {}
    void deleteFile(const platform::Path& path) override;
    bool startProcess(const platform::Path&, const std::vector<platform::Path>&) override {
        return false;
    }
    void showMessage(const std::u16string& text) override { messages.push_back(text); }

  private:
    bool isTheFile(const platform::Path& path) const;

    platform::Path fileName_;
    platform::Bytes content_;
    platform::Path currentDirectory_ = u"/";
};

}  // namespace ek::bench
