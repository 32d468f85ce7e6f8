#include "app/win32/folder_watch.h"

#include <algorithm>

namespace ek::app::win32 {

namespace {

// Files that appear, disappear or are renamed; a file written in place does
// not change the list.
constexpr DWORD kListChanges = FILE_NOTIFY_CHANGE_FILE_NAME;

}  // namespace

void FolderWatch::watch(const std::wstring& folder) {
    if (folder == folder_ && (folder.empty() || notification_.valid()))
        return;
    notification_.reset();
    pending_ = false;
    folder_ = folder;
    if (!folder_.empty())
        notification_.reset(::FindFirstChangeNotificationW(folder_.c_str(), FALSE, kListChanges));
}

void FolderWatch::signalled(std::uint64_t now) {
    // Re-armed at once: changes made while the report settles are not lost.
    if (notification_.valid() && !::FindNextChangeNotification(notification_.get()))
        notification_.reset();  // the folder went away; the next watch() tries again
    pending_ = true;
    due_ = now + kSettleMilliseconds;
}

DWORD FolderWatch::waitMilliseconds(std::uint64_t now) const {
    if (!pending_)
        return INFINITE;
    return static_cast<DWORD>(std::min<std::uint64_t>(due_ > now ? due_ - now : 0, INFINITE - 1));
}

bool FolderWatch::takeSettledChange(std::uint64_t now) {
    if (!pending_ || now < due_)
        return false;
    pending_ = false;
    return true;
}

}  // namespace ek::app::win32
