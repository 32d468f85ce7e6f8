#pragma once
// The platform as the window uses it: every service is the underlying
// platform's, except that messages appear in a modal message box with the
// application title and an OK button.

#include <QString>

#include "platform/platform.h"

namespace ek::app {

class MessageBoxPlatform : public platform::Platform {
  public:
    MessageBoxPlatform(platform::Platform& inner, QString title);

    char16_t separator() const override;
    platform::Path specialFolder(int folderId) override;
    bool directoryExists(const platform::Path& path) override;
    bool fileExists(const platform::Path& path) override;
    std::vector<platform::Path> listFiles(const platform::Path& folder,
                                          const platform::Path& mask) override;
    platform::Path currentDirectory() override;
    bool setCurrentDirectory(const platform::Path& path) override;
    std::uint64_t fileSize(const platform::Path& path) override;
    platform::Bytes readFile(const platform::Path& path) override;
    void writeFileAtomically(const platform::Path& path, const platform::Bytes& content) override;
    bool copyFile(const platform::Path& from, const platform::Path& to) override;
    void makeWritable(const platform::Path& path) override;
    void deleteFile(const platform::Path& path) override;
    bool startProcess(const platform::Path& program,
                      const std::vector<platform::Path>& arguments) override;

    void showMessage(const std::u16string& text) override;

  private:
    platform::Platform& inner_;
    QString title_;
};

// A modal box with `title`, `text` and OK, over the active window.
void showMessageBox(const QString& title, const QString& text);

}  // namespace ek::app
