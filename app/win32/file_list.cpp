#include "app/win32/file_list.h"

#include <commctrl.h>

#include "app/win32/child_controls.h"
#include "app/win32/sideways_keys.h"
#include "app/win32/wide_text.h"

namespace ek::app::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;

bool isArrowKey(WPARAM key) {
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

}  // namespace

FileList::FileList(HWND parent, int id, PickHandler picked, KeyHandler keyDown)
    : list_(createChild(
          parent, L"LISTBOX", L"",
          WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
          id, WS_EX_CLIENTEDGE)),
      picked_(std::move(picked)),
      keyDown_(std::move(keyDown)) {
    ::SetWindowSubclass(list_, &FileList::listProcedure, kSubclassId,
                        reinterpret_cast<DWORD_PTR>(this));
}

void FileList::show(const calc::TextList& names, int selectedRow) {
    if (names != shown_) {
        ::SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
        ::SendMessageW(list_, LB_RESETCONTENT, 0, 0);
        for (const calc::Text& name : names)
            ::SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(name).c_str()));
        ::SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(list_, nullptr, TRUE);
        shown_ = names;
    }
    const bool valid = selectedRow >= 0 && selectedRow < rowCount();
    // LB_SETCURSEL sends no LBN_SELCHANGE: the program's selection is no pick.
    if (selectedRow != this->selectedRow() || !valid)
        ::SendMessageW(list_, LB_SETCURSEL, valid ? static_cast<WPARAM>(selectedRow) : -1, 0);
}

void FileList::setItemHeight(int pixels) {
    ::SendMessageW(list_, LB_SETITEMHEIGHT, 0, MAKELPARAM(pixels, 0));
    ::InvalidateRect(list_, nullptr, TRUE);
}

int FileList::selectedRow() const {
    return static_cast<int>(::SendMessageW(list_, LB_GETCURSEL, 0, 0));
}

int FileList::rowCount() const {
    return static_cast<int>(::SendMessageW(list_, LB_GETCOUNT, 0, 0));
}

void FileList::selectionChanged() {
    // During a mouse press the pick waits for the release (some list boxes
    // report a release on the selected item as a change, some do not).
    if (pressing_ || releasing_)
        return;
    if (const int row = selectedRow(); row >= 0)
        picked_(row);
}

bool FileList::keyDown(int virtualKey) {
    if (keyDown_ && keyDown_(virtualKey))
        return true;
    if (virtualKey != VK_LEFT && virtualKey != VK_RIGHT)
        return false;
    // Left and Right are handled here, not by the list box, which would select
    // the first item on Left when none is selected.
    if (const auto row = rowAfterSidewaysKey(virtualKey, selectedRow(), rowCount())) {
        ::SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(*row), 0);
        picked_(*row);
    }
    return true;
}

void FileList::startPress(LPARAM position, bool doubleClick) {
    const LRESULT hit = ::SendMessageW(list_, LB_ITEMFROMPOINT, 0, position);
    // The high word is set when the point lies below the last item.
    pressOnItem_ = HIWORD(hit) == 0 && static_cast<int>(LOWORD(hit)) < rowCount();
    rowBeforePress_ = selectedRow();
    doubleClick_ = doubleClick;
    pressing_ = true;
}

void FileList::finishPress() {
    if (!pressing_)
        return;
    pressing_ = false;
    const int row = selectedRow();
    if (row < 0)
        return;
    // A double click's second press is no new pick of the same file.
    if (row != rowBeforePress_ || (pressOnItem_ && !doubleClick_))
        picked_(row);
}

LRESULT FileList::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            if (isArrowKey(wParam) && keyDown(static_cast<int>(wParam)))
                return 0;
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            startPress(lParam, message == WM_LBUTTONDBLCLK);
            break;
        case WM_LBUTTONUP: {
            releasing_ = true;
            const LRESULT result = ::DefSubclassProc(list_, message, wParam, lParam);
            releasing_ = false;
            finishPress();
            return result;
        }
        case WM_CAPTURECHANGED: {
            // Lost to another window in mid-press: the press ends here.
            const LRESULT result = ::DefSubclassProc(list_, message, wParam, lParam);
            if (!releasing_)
                finishPress();
            return result;
        }
        default:
            break;
    }
    return ::DefSubclassProc(list_, message, wParam, lParam);
}

LRESULT CALLBACK FileList::listProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR /*id*/, DWORD_PTR self) {
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(window, &FileList::listProcedure, kSubclassId);
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    return reinterpret_cast<FileList*>(self)->handle(message, wParam, lParam);
}

}  // namespace ek::app::win32
