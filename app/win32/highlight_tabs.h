#pragma once
// The tab control of the category tables. The tabs are drawn here so that
// the highlighted one can show its caption in bold. They are sized for their
// captions in the window's font (smaller only where all eight would not fit
// beside each other), so highlighting never moves them; a bold caption too
// wide for its tab is drawn a little smaller.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/win32/window_font.h"

namespace ek::app::win32 {

class HighlightTabs {
  public:
    HighlightTabs(HWND parent, int id, const std::vector<std::u16string_view>& captions);
    HighlightTabs(const HighlightTabs&) = delete;
    HighlightTabs& operator=(const HighlightTabs&) = delete;

    HWND handle() const { return tabs_; }

    // The tab shown and the highlighted one (-1: none); the program's, so no
    // change is reported.
    void show(int shownTab, int highlightedTab);
    int shownTab() const;

    // The captions' fonts, from `fonts`: the window font, or a smaller one
    // when the tabs would not fit beside each other. The control must have
    // its size already.
    void setFonts(FontSet& fonts);
    // The font tab `index`'s caption is drawn in; a caption as drawn.
    HFONT captionFont(int index) const;
    std::wstring captionOf(int index) const;

    // The area of the tabs' page, in the parent's client coordinates.
    RECT pageArea() const;

    // WM_DRAWITEM of the parent for one tab.
    void drawTab(const DRAWITEMSTRUCT& item) const;

  private:
    bool tabsFit() const;

    HWND tabs_;
    int highlighted_ = -1;
    HFONT normal_ = nullptr;
    std::vector<HFONT> bold_;  // per tab
};

}  // namespace ek::app::win32
