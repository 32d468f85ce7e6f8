#pragma once
// A category table: a list view in report mode that reads its cells from a
// text grid of the working state as they are drawn (nothing is copied). Row
// 0 of the grid is the header; the user can neither sort, resize nor edit.

#include <windows.h>

#include "app/win32/main_window_layout.h"
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

    // The column widths and the row height at `dpi`.
    void applyDpi(unsigned dpi);

    // A notification the list sent its parent; true when it was this
    // table's, with the result in `result`.
    bool handleNotify(NMHDR& header, LRESULT& result) const;

  private:
    static LRESULT CALLBACK listProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR self);
    void fillItem(LVITEMW& item) const;
    void showHeader() const;

    HWND list_;
    TableShape shape_;
    const calc::TextGrid* grid_ = nullptr;
    ImageList rowHeight_;  // an empty image list whose height sets the rows'
};

}  // namespace ek::app::win32
