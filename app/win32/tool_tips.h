#pragma once
// A tooltip window whose tips ask their owner for the text each time they
// are about to show (TTN_GETDISPINFOW to the owner): an empty text shows no
// tip. The text is thus always the control's as it stands.

#include <windows.h>

#include <string>

#include "app/win32/unique_handle.h"

namespace ek::app::win32 {

class ToolTips {
  public:
    explicit ToolTips(HWND owner);
    ToolTips(const ToolTips&) = delete;
    ToolTips& operator=(const ToolTips&) = delete;

    HWND handle() const { return tips_.get(); }

    // A tip over the whole of `control`, a child of the owner; its
    // TTN_GETDISPINFOW names the control in idFrom.
    void addControl(HWND control);
    // A tip over the client area of `window` (the owner itself or a child
    // that gets the notification); idFrom is `id`.
    void addArea(HWND window, UINT_PTR id);
    // Hides a tip shown, so that the next one asks for its text again.
    void pop() const;

    // Whether `header` is this window's request for a text.
    bool asksForText(const NMHDR& header) const;
    // Answers a request with `text` (kept until the next answer).
    void answer(NMHDR& header, std::wstring text);

  private:
    HWND owner_;
    UniqueWindow tips_;
    std::wstring answered_;
};

}  // namespace ek::app::win32
