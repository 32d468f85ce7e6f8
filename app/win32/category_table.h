#pragma once
// A category table: a list view in report mode that reads its cells from a
// text grid of the working state as they are drawn (nothing is copied). Row
// 0 of the grid is the header; the user can neither sort, resize nor edit.
// In a category table the figures stand right-aligned and whole, the name
// column gives up room for them (a name it cuts ends in "..." and shows
// whole in a tooltip), and no header is cut.

#include <windows.h>

#include <memory>
#include <string>

#include "app/table_columns.h"
#include "app/win32/main_window_layout.h"
#include "app/win32/tool_tips.h"
#include "app/win32/unique_handle.h"
#include "calc/text_grid.h"

namespace ek::app::win32 {

class CategoryTable {
  public:
    CategoryTable(HWND parent, int id, const TableShape& shape);
    CategoryTable(const CategoryTable&) = delete;
    CategoryTable& operator=(const CategoryTable&) = delete;

    HWND handle() const { return list_; }

    // Shows `grid`, which stays valid and unchanged until the next call.
    void show(const calc::TextGrid& grid);

    // The column widths and the row height at `dpi`, after the font.
    void applyDpi(unsigned dpi);

    // A notification the list sent its parent; true when it was this
    // table's, with the result in `result`.
    bool handleNotify(NMHDR& header, LRESULT& result) const;

    // The text of the tooltip over a cell (row counted without the header):
    // the whole name where the name column cuts it, else nothing.
    std::wstring toolTipOf(int row, int column) const;

  private:
    static LRESULT CALLBACK listProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR self);
    void fillItem(LVITEMW& item) const;
    void showHeader() const;
    void fitColumns();
    ColumnWidths widestTexts(HFONT cells, HFONT header) const;
    int cellWidth(std::u16string_view text, HFONT font) const;
    int headerWidth(std::u16string_view text, HFONT font) const;
    void pointerMoved(LPARAM position);

    HWND list_;
    TableShape shape_;
    unsigned dpi_ = kDesignDpi;
    const calc::TextGrid* grid_ = nullptr;
    ImageList rowHeight_;  // an empty image list whose height sets the rows'
    std::unique_ptr<ToolTips> tips_;
    POINT tipCell_{-1, -1};  // column, row of the cell under the pointer
};

}  // namespace ek::app::win32
