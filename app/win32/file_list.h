#pragma once
// A list of file names that reports picks: a click on a name (also on the one
// already selected, which the list box itself does not report), a selection
// moved by the keyboard. The program's own changes to the selection are no
// picks. Arrow keys are offered to a handler first; one it takes does not
// move the selection.

#include <windows.h>

#include <functional>

#include "calc/text.h"

namespace ek::app::win32 {

class FileList {
  public:
    using PickHandler = std::function<void(int row)>;
    // True when the key was taken and the list must not move its selection.
    using KeyHandler = std::function<bool(int virtualKey)>;

    FileList(HWND parent, int id, PickHandler picked, KeyHandler keyDown = {});
    FileList(const FileList&) = delete;
    FileList& operator=(const FileList&) = delete;

    HWND handle() const { return list_; }

    void show(const calc::TextList& names, int selectedRow);

    // The list box's LBN_SELCHANGE, which its parent receives.
    void selectionChanged();

    // The item height at `dpi`; after the font, which resets it.
    void setItemHeight(int pixels);

  private:
    static LRESULT CALLBACK listProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool keyDown(int virtualKey);
    void startPress(LPARAM position, bool doubleClick);
    void finishPress();
    int selectedRow() const;
    int rowCount() const;

    HWND list_;
    PickHandler picked_;
    KeyHandler keyDown_;
    calc::TextList shown_;

    // A mouse press, from the button going down until it is released: the
    // pick is decided at the end, once.
    bool pressing_ = false;
    bool releasing_ = false;
    bool pressOnItem_ = false;
    bool doubleClick_ = false;
    int rowBeforePress_ = -1;
};

}  // namespace ek::app::win32
