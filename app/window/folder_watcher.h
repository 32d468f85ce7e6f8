#pragma once
// Watches one folder and reports, once things have settled, that files in it
// appeared, disappeared or were renamed. A program that writes a file in
// several steps thus causes one report, not many.

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

namespace ek::app {

class FolderWatcher : public QObject {
    Q_OBJECT

  public:
    static constexpr int kSettleMilliseconds = 150;

    explicit FolderWatcher(QObject* parent = nullptr);

    // Watches `folder` instead of the folder watched so far; an empty or
    // missing folder means none.
    void watch(const QString& folder);
    QString watchedFolder() const { return folder_; }

  signals:
    void folderChanged();

  private:
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QString folder_;
};

}  // namespace ek::app
