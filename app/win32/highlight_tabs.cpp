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
constexpr int kCaptionPadding = 2;

std::wstring trimmed(std::wstring text) {
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos)
        return {};
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

}  // namespace

HighlightTabs::HighlightTabs(HWND parent, int id, const std::vector<std::u16string_view>& captions)
    // WS_CLIPSIBLINGS: the tables lie on the page and are not painted over.
    : tabs_(createChild(parent, WC_TABCONTROLW, L"",
                        WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS | TCS_OWNERDRAWFIXED, id)) {
    int index = 0;
    for (const std::u16string_view caption : captions) {
        // Drawn centred: the blanks around a caption would only take room.
        std::wstring text = trimmed(wide(caption));
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
    // No least width: a short caption ("Bazén") would be given room the
    // others need to stay at the window's font size.
    TabCtrl_SetMinTabWidth(tabs_, 0);
    // The control measures the tabs in its own font: the window's, smaller
    // only where the tabs would not fit beside each other.
    int reduction = 0;
    for (;; ++reduction) {
        ::SendMessageW(tabs_, WM_SETFONT,
                       reinterpret_cast<WPARAM>(fonts.font(Weight::Normal, reduction)), FALSE);
        if (reduction >= fonts.largestReduction() || tabsFit())
            break;
    }
    normal_ = fonts.font(Weight::Normal, reduction);
    // A highlighted caption in bold, as much smaller as its tab needs.
    bold_.clear();
    for (int index = 0; index < TabCtrl_GetItemCount(tabs_); ++index) {
        const std::wstring caption = captionOf(index);
        // The caption's width and part of the padding beside it.
        const int room = textWidth(caption, normal_) + padding;
        int boldReduction = reduction;
        while (boldReduction < fonts.largestReduction() &&
               textWidth(caption, fonts.font(Weight::Bold, boldReduction)) > room)
            ++boldReduction;
        bold_.push_back(fonts.font(Weight::Bold, boldReduction));
    }
    ::InvalidateRect(tabs_, nullptr, TRUE);
}

std::wstring HighlightTabs::captionOf(int index) const {
    wchar_t caption[128] = {};
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = caption;
    tab.cchTextMax = static_cast<int>(std::size(caption));
    TabCtrl_GetItem(tabs_, index, &tab);
    return caption;
}

HFONT HighlightTabs::captionFont(int index) const {
    if (index != highlighted_ || index < 0 || index >= static_cast<int>(bold_.size()))
        return normal_;
    return bold_[static_cast<std::size_t>(index)];
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
    const std::wstring caption = captionOf(index);
    const SelectedObject font(item.hDC, captionFont(index));
    ::SetBkMode(item.hDC, TRANSPARENT);
    ::SetTextColor(item.hDC, ::GetSysColor(COLOR_BTNTEXT));
    RECT area = item.rcItem;
    ::DrawTextW(item.hDC, caption.c_str(), -1, &area,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace ek::app::win32
