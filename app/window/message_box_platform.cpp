#include "app/window/message_box_platform.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace ek::app {

void showMessageBox(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

MessageBoxPlatform::MessageBoxPlatform(platform::Platform& inner, QString title)
    : inner_(inner), title_(std::move(title)) {}

char16_t MessageBoxPlatform::separator() const {
    return inner_.separator();
}
platform::Path MessageBoxPlatform::specialFolder(int folderId) {
    return inner_.specialFolder(folderId);
}
bool MessageBoxPlatform::directoryExists(const platform::Path& path) {
    return inner_.directoryExists(path);
}
bool MessageBoxPlatform::fileExists(const platform::Path& path) {
    return inner_.fileExists(path);
}
std::vector<platform::Path> MessageBoxPlatform::listFiles(const platform::Path& folder,
                                                          const platform::Path& mask) {
    return inner_.listFiles(folder, mask);
}
platform::Path MessageBoxPlatform::currentDirectory() {
    return inner_.currentDirectory();
}
bool MessageBoxPlatform::setCurrentDirectory(const platform::Path& path) {
    return inner_.setCurrentDirectory(path);
}
std::uint64_t MessageBoxPlatform::fileSize(const platform::Path& path) {
    return inner_.fileSize(path);
}
platform::Bytes MessageBoxPlatform::readFile(const platform::Path& path) {
    return inner_.readFile(path);
}
void MessageBoxPlatform::writeFileAtomically(const platform::Path& path,
                                             const platform::Bytes& content) {
    inner_.writeFileAtomically(path, content);
}
bool MessageBoxPlatform::copyFile(const platform::Path& from, const platform::Path& to) {
    return inner_.copyFile(from, to);
}
void MessageBoxPlatform::makeWritable(const platform::Path& path) {
    inner_.makeWritable(path);
}
void MessageBoxPlatform::deleteFile(const platform::Path& path) {
    inner_.deleteFile(path);
}
bool MessageBoxPlatform::startProcess(const platform::Path& program,
                                      const std::vector<platform::Path>& arguments) {
    return inner_.startProcess(program, arguments);
}

void MessageBoxPlatform::showMessage(const std::u16string& text) {
    showMessageBox(title_, QString::fromStdU16String(text));
}

}  // namespace ek::app
