#include "app/win32/category_table.h"

#include <algorithm>
#include <string>

#include "app/win32/child_controls.h"
#include "app/win32/wide_text.h"

namespace ek::app::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;

// Sizing of the columns through the header is refused (HDS_NOSIZING is not
// known everywhere): these come from the header to the list view itself.
bool isColumnSizing(const NMHDR& header) {
    switch (header.code) {
        case HDN_BEGINTRACKW:
        case HDN_BEGINTRACKA:
        case HDN_DIVIDERDBLCLICKW:
        case HDN_DIVIDERDBLCLICKA:
            return true;
        default:
            return false;
    }
}

void copyCell(std::u16string_view text, wchar_t* buffer, int capacity) {
    if (buffer == nullptr || capacity <= 0)
        return;
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(capacity - 1));
    std::copy_n(text.begin(), length, buffer);
    buffer[length] = L'\0';
}

}  // namespace

CategoryTable::CategoryTable(HWND parent, int id, const TableShape& shape) : shape_(shape) {
    DWORD style = WS_BORDER | LVS_REPORT | LVS_OWNERDATA | LVS_NOSORTHEADER | LVS_SHOWSELALWAYS;
    if (shape.tabStop)
        style |= WS_TABSTOP;
    if (!shape.rangeSelection)
        style |= LVS_SINGLESEL;
    list_ = createChild(parent, WC_LISTVIEWW, L"", style, id);
    ListView_SetExtendedListViewStyle(
        list_, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    const HWND header = ListView_GetHeader(list_);
    ::SetWindowLongPtrW(header, GWL_STYLE, ::GetWindowLongPtrW(header, GWL_STYLE) | HDS_NOSIZING);
    for (int column = 0; column < kTableColumns; ++column) {
        LVCOLUMNW format{};
        format.mask = LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
        format.fmt = LVCFMT_LEFT;
        format.cx = shape.columnWidths[static_cast<std::size_t>(column)];
        format.iSubItem = column;
        ListView_InsertColumn(list_, column, &format);
    }
    ::SetWindowSubclass(list_, &CategoryTable::listProcedure, kSubclassId, 0);
}

void CategoryTable::show(const calc::TextGrid& grid) {
    grid_ = &grid;
    showHeader();
    const int rows = std::max(grid.rowCount() - 1, 0);
    ListView_SetItemCountEx(list_, rows, 0);
    ::InvalidateRect(list_, nullptr, TRUE);
}

void CategoryTable::showHeader() const {
    for (int column = 0; column < kTableColumns; ++column) {
        std::wstring caption = wide(grid_->cell(column, 0));
        LVCOLUMNW format{};
        format.mask = LVCF_TEXT;
        format.pszText = caption.data();
        ListView_SetColumn(list_, column, &format);
    }
}

void CategoryTable::applyDpi(unsigned dpi) {
    for (int column = 0; column < kTableColumns; ++column)
        ListView_SetColumnWidth(list_, column,
                                scaled(shape_.columnWidths[static_cast<std::size_t>(column)], dpi));
    // A list view's rows are as high as its small images: a one pixel wide
    // image list sets the height without taking room from column 0.
    rowHeight_.reset(::ImageList_Create(1, scaled(kTableRowHeight, dpi), ILC_COLOR, 0, 1));
    ListView_SetImageList(list_, rowHeight_.get(), LVSIL_SMALL);
}

bool CategoryTable::handleNotify(NMHDR& header, LRESULT& result) const {
    if (header.hwndFrom != list_)
        return false;
    switch (header.code) {
        case LVN_GETDISPINFOW:
            fillItem(reinterpret_cast<NMLVDISPINFOW&>(header).item);
            result = 0;
            return true;
        case LVN_ODFINDITEMW:
            result = -1;  // typing does not search the table
            return true;
        default:
            return false;
    }
}

void CategoryTable::fillItem(LVITEMW& item) const {
    if ((item.mask & LVIF_TEXT) == 0)
        return;
    const std::u16string_view text =
        grid_ != nullptr ? grid_->cell(item.iSubItem, item.iItem + 1) : std::u16string_view();
    copyCell(text, item.pszText, item.cchTextMax);
}

LRESULT CALLBACK CategoryTable::listProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR /*self*/) {
    if (message == WM_NOTIFY && isColumnSizing(*reinterpret_cast<const NMHDR*>(lParam)))
        return TRUE;
    if (message == WM_NCDESTROY)
        ::RemoveWindowSubclass(window, &CategoryTable::listProcedure, kSubclassId);
    return ::DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace ek::app::win32
