#include "app/win32/highlight_tabs.h"

#include <commctrl.h>

#include <string>

#include "app/win32/box.h"
#include "app/win32/child_controls.h"
#include "app/win32/unique_handle.h"
#include "app/win32/wide_text.h"

namespace ek::app::win32 {

namespace {

// Narrower than the control's own margins, so that all eight tabs fit beside
// each other in one row.
constexpr int kCaptionPadding = 3;

}  // namespace

HighlightTabs::HighlightTabs(HWND parent, int id, const std::vector<std::u16string_view>& captions)
    // WS_CLIPSIBLINGS: the tables lie on the page and are not painted over.
    : tabs_(createChild(parent, WC_TABCONTROLW, L"",
                        WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS | TCS_OWNERDRAWFIXED, id)) {
    int index = 0;
    for (const std::u16string_view caption : captions) {
        std::wstring text = wide(caption);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        TabCtrl_InsertItem(tabs_, index++, &item);
    }
}

void HighlightTabs::show(int shownTab, int highlightedTab) {
    if (shownTab != this->shownTab())
        TabCtrl_SetCurSel(tabs_, shownTab);
    if (highlightedTab != highlighted_) {
        highlighted_ = highlightedTab;
        ::InvalidateRect(tabs_, nullptr, TRUE);
    }
}

int HighlightTabs::shownTab() const {
    return TabCtrl_GetCurSel(tabs_);
}

void HighlightTabs::setFonts(FontSet& fonts) {
    const int padding = scaled(kCaptionPadding, fonts.dpi());
    TabCtrl_SetPadding(tabs_, padding, padding);
    // The control measures the tabs in its own font: the bold one, so that
    // a highlighted caption fits as well.
    int reduction = 0;
    for (;; ++reduction) {
        ::SendMessageW(tabs_, WM_SETFONT,
                       reinterpret_cast<WPARAM>(fonts.font(Weight::Bold, reduction)), FALSE);
        if (reduction >= fonts.largestReduction() || tabsFit())
            break;
    }
    normal_ = fonts.font(Weight::Normal, reduction);
    bold_ = fonts.font(Weight::Bold, reduction);
    ::InvalidateRect(tabs_, nullptr, TRUE);
}

bool HighlightTabs::tabsFit() const {
    const int count = TabCtrl_GetItemCount(tabs_);
    RECT last{};
    RECT control{};
    if (count == 0)
        return true;
    // Some tab controls tell no place of a tab scrolled out of view.
    if (!TabCtrl_GetItemRect(tabs_, count - 1, &last))
        return false;
    // Tabs that do not fit get the scroll arrows.
    const HWND arrows = ::FindWindowExW(tabs_, nullptr, UPDOWN_CLASSW, nullptr);
    if (arrows != nullptr && ::IsWindowVisible(arrows))
        return false;
    ::GetClientRect(tabs_, &control);
    // Room for the current tab, which is drawn a little wider.
    return last.right + 2 <= control.right;
}

RECT HighlightTabs::pageArea() const {
    RECT area{};
    ::GetWindowRect(tabs_, &area);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(tabs_), reinterpret_cast<POINT*>(&area), 2);
    TabCtrl_AdjustRect(tabs_, FALSE, &area);
    return area;
}

void HighlightTabs::drawTab(const DRAWITEMSTRUCT& item) const {
    const int index = static_cast<int>(item.itemID);
    wchar_t caption[128] = {};
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = caption;
    tab.cchTextMax = static_cast<int>(std::size(caption));
    TabCtrl_GetItem(tabs_, index, &tab);

    const SelectedObject font(item.hDC, index == highlighted_ ? bold_ : normal_);
    ::SetBkMode(item.hDC, TRANSPARENT);
    ::SetTextColor(item.hDC, ::GetSysColor(COLOR_BTNTEXT));
    RECT area = item.rcItem;
    ::DrawTextW(item.hDC, caption, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace ek::app::win32
