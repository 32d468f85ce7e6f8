// The tab shown, its subtotal, and the arrow keys of the material-list file list.

#include "calc/categories.h"
#include "calc/kalkulace.h"

namespace ek::calc {

namespace {

constexpr int kLeftKey = 37;
constexpr int kRightKey = 39;
// The arrow keys move between these tabs only.
constexpr int kFirstArrowTab = 1;
constexpr int kLastArrowTab = 6;

bool isArrowTab(int tab) {
    return tab >= kFirstArrowTab && tab <= kLastArrowTab;
}

}  // namespace

Text Kalkulace::subtotalOfTab(int tab) const {
    if (tab < 1 || tab > static_cast<int>(kCategoryCount))
        return {};
    return subtotalItem(static_cast<std::size_t>(tab - 1));
}

void Kalkulace::PageControl1Change() {
    INF_cena_kategorie = subtotalOfTab(shownTab);
    highlightedTab = shownTab;
}

bool Kalkulace::FileListBox1KeyDown(int key) {
    if (key != kLeftKey && key != kRightKey)
        return false;
    if (key == kLeftKey && shownTab > kFirstArrowTab && shownTab <= kLastArrowTab)
        --shownTab;
    if (key == kRightKey && shownTab >= kFirstArrowTab && shownTab < kLastArrowTab)
        ++shownTab;
    if (isArrowTab(shownTab))
        highlightedTab = shownTab;
    // The key changes the tab, never the file: the same file is read again,
    // which shows the new tab's subtotal.
    if (!FileListBox1.hasSelection())
        return false;
    Prevod();
    return true;
}

}  // namespace ek::calc
