#include "app/win32/category_table.h"

#include <algorithm>
#include <functional>
#include <string>
#include <unordered_map>

#include "app/win32/box.h"
#include "app/win32/child_controls.h"
#include "app/win32/wide_text.h"
#include "app/win32/window_font.h"

namespace ek::app::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr UINT_PTR kTipId = 1;
// Texts measured in full per column; the others only by their characters.
constexpr std::size_t kMeasuredTexts = 4;
// Around a cell's text the list keeps 6 pixels on either side, a header's
// text 6 as well (at 96 dots per inch); one more each for rounding.
constexpr int kCellPadding = 14;
constexpr int kHeaderPadding = 14;
// The first column's text stands after the (one pixel wide) row image.
constexpr int kFirstColumnImage = 4;

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

HFONT fontOf(HWND window) {
    return reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
}

// The advance of single characters in `font`, each asked for once.
class CharacterWidths {
  public:
    explicit CharacterWidths(HFONT font) : screen_(nullptr), selected_(screen_.get(), font) {}

    int operator()(char16_t unit) {
        const auto [place, added] = widths_.try_emplace(unit, 0);
        if (added) {
            INT width = 0;
            ::GetCharWidth32W(screen_.get(), unit, unit, &width);
            place->second = width;
        }
        return place->second;
    }

  private:
    WindowDc screen_;
    SelectedObject selected_;
    std::unordered_map<char16_t, int> widths_;
};

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
        // The list view keeps its first column left-aligned, whatever it is told.
        format.fmt = shape.fitsTexts && isFigureColumn(column) ? LVCFMT_RIGHT : LVCFMT_LEFT;
        format.cx = shape.columnWidths[static_cast<std::size_t>(column)];
        format.iSubItem = column;
        ListView_InsertColumn(list_, column, &format);
    }
    ::SetWindowSubclass(list_, &CategoryTable::listProcedure, kSubclassId,
                        reinterpret_cast<DWORD_PTR>(this));
    if (shape.fitsTexts) {
        tips_ = std::make_unique<ToolTips>(list_);
        tips_->addArea(list_, kTipId);
    }
}

void CategoryTable::show(const calc::TextGrid& grid) {
    grid_ = &grid;
    showHeader();
    const int rows = std::max(grid.rowCount() - 1, 0);
    ListView_SetItemCountEx(list_, rows, 0);
    fitColumns();
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
    dpi_ = dpi;
    // A list view's rows are as high as its small images: a one pixel wide
    // image list sets the height without taking room from column 0.
    rowHeight_.reset(::ImageList_Create(1, scaled(kTableRowHeight, dpi), ILC_COLOR, 0, 1));
    ListView_SetImageList(list_, rowHeight_.get(), LVSIL_SMALL);
    fitColumns();
    if (tips_) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = list_;
        tool.uId = kTipId;
        ::GetClientRect(list_, &tool.rect);
        ::SendMessageW(tips_->handle(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

int CategoryTable::cellWidth(std::u16string_view text, HFONT font) const {
    return textWidth(wide(text), font) + scaled(kCellPadding, dpi_);
}

int CategoryTable::headerWidth(std::u16string_view text, HFONT font) const {
    return textWidth(wide(text), font) + scaled(kHeaderPadding, dpi_);
}

ColumnWidths CategoryTable::widestTexts(HFONT cells, HFONT header) const {
    CharacterWidths advance(cells);
    ColumnWidths widest{};
    for (int column = 0; column < kTableColumns; ++column) {
        int& width = widest[static_cast<std::size_t>(column)];
        for (const int row : widestRows(*grid_, column, std::ref(advance), kMeasuredTexts)) {
            const std::u16string_view text = grid_->cell(column, row);
            width = std::max(width, row == 0 ? headerWidth(text, header) : cellWidth(text, cells));
        }
    }
    widest[0] += scaled(kFirstColumnImage, dpi_);
    return widest;
}

void CategoryTable::fitColumns() {
    ColumnWidths designed{};
    for (std::size_t column = 0; column < designed.size(); ++column)
        designed[column] = scaled(shape_.columnWidths[column], dpi_);
    ColumnWidths widths = designed;
    if (shape_.fitsTexts && grid_ != nullptr) {
        const HFONT header = fontOf(ListView_GetHeader(list_));
        RECT client{};
        ::GetClientRect(list_, &client);
        widths = fitColumnWidths(designed, widestTexts(fontOf(list_), header),
                                 headerWidth(grid_->cell(kNameColumn, 0), header), client.right,
                                 scaled(kSmallestNameWidth, dpi_));
    }
    for (int column = 0; column < kTableColumns; ++column)
        ListView_SetColumnWidth(list_, column, widths[static_cast<std::size_t>(column)]);
}

std::wstring CategoryTable::toolTipOf(int row, int column) const {
    if (!shape_.fitsTexts || grid_ == nullptr || column != kNameColumn)
        return {};
    const std::u16string_view name = grid_->cell(column, row + 1);
    if (cellWidth(name, fontOf(list_)) <= ListView_GetColumnWidth(list_, column))
        return {};
    return wide(name);
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
        case NM_SETFOCUS:
            // The focus shows on a row: the first one when none has had it.
            if (ListView_GetNextItem(list_, -1, LVNI_FOCUSED) < 0 &&
                ListView_GetItemCount(list_) > 0)
                ListView_SetItemState(list_, 0, LVIS_FOCUSED, LVIS_FOCUSED);
            result = 0;
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

void CategoryTable::pointerMoved(LPARAM position) {
    LVHITTESTINFO hit{};
    hit.pt = POINT{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    ListView_SubItemHitTest(list_, &hit);
    const POINT cell{hit.iItem >= 0 ? hit.iSubItem : -1, hit.iItem};
    if (cell.x == tipCell_.x && cell.y == tipCell_.y)
        return;
    tipCell_ = cell;
    // The next tip asks again, for the cell now under the pointer.
    tips_->pop();
}

LRESULT CALLBACK CategoryTable::listProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR self) {
    auto* table = reinterpret_cast<CategoryTable*>(self);
    switch (message) {
        case WM_NOTIFY: {
            auto& header = *reinterpret_cast<NMHDR*>(lParam);
            if (isColumnSizing(header))
                return TRUE;
            if (table->tips_ && table->tips_->asksForText(header)) {
                const POINT cell = table->tipCell_;
                table->tips_->answer(
                    header, cell.y >= 0 ? table->toolTipOf(cell.y, cell.x) : std::wstring());
                return 0;
            }
            break;
        }
        case WM_MOUSEMOVE:
            if (table->tips_)
                table->pointerMoved(lParam);
            break;
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(window, &CategoryTable::listProcedure, kSubclassId);
            break;
        default:
            break;
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace ek::app::win32
