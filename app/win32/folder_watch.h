#pragma once
// Watches one folder for files that appear, disappear or are renamed, and
// reports a change once the folder has been quiet for a moment: a program
// that writes a file in several steps causes one report, not several.
//
// The watch does not wait by itself; the message loop waits for handle()
// together with the window's messages, at most waitMilliseconds(), and then
// calls signalled() or takeSettledChange(). Times are GetTickCount64 values,
// passed in so that the settling can be tested without waiting.

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/win32/unique_handle.h"

namespace ek::app::win32 {

class FolderWatch {
  public:
    static constexpr std::uint64_t kSettleMilliseconds = 150;

    // Watches `folder` instead of the folder watched so far; an empty or
    // missing folder means none. Watching the same folder again changes
    // nothing (a pending report stays pending).
    void watch(const std::wstring& folder);
    const std::wstring& folder() const { return folder_; }

    // The change notification to wait for, or nullptr while nothing is watched.
    HANDLE handle() const { return notification_.valid() ? notification_.get() : nullptr; }

    // handle() was signalled at `now`: the report waits until the folder has
    // been quiet for kSettleMilliseconds.
    void signalled(std::uint64_t now);

    // How long the loop may wait at `now` before takeSettledChange() is due;
    // INFINITE when no report is pending.
    DWORD waitMilliseconds(std::uint64_t now) const;

    // True once, when a pending report has settled at `now`.
    bool takeSettledChange(std::uint64_t now);

  private:
    std::wstring folder_;
    ChangeNotification notification_;
    bool pending_ = false;
    std::uint64_t due_ = 0;
};

}  // namespace ek::app::win32
