#include "app/window/folder_watcher.h"

#include <QDir>
#include <QFileInfo>

namespace ek::app {

FolderWatcher::FolderWatcher(QObject* parent) : QObject(parent) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMilliseconds);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_,
            qOverload<>(&QTimer::start));
    connect(&settle_, &QTimer::timeout, this, &FolderWatcher::folderChanged);
}

void FolderWatcher::watch(const QString& folder) {
    const QString cleaned = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
    if (cleaned == folder_ && (cleaned.isEmpty() || !watcher_.directories().isEmpty()))
        return;
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    settle_.stop();
    folder_ = cleaned;
    if (!folder_.isEmpty() && QFileInfo(folder_).isDir())
        watcher_.addPath(folder_);
}

}  // namespace ek::app
