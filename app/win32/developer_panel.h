#pragma once
// The developer functions in a window of their own, owned by the main window:
// the single steps of a reading, the category builders, the price lists, the
// hand-off probes and the price list table. Each control reports to the
// window's behaviour (TForm1) like the main window's controls do.

#include <windows.h>

#include <memory>

#include "app/tform1.h"
#include "app/win32/category_table.h"
#include "app/win32/child_controls.h"
#include "app/win32/file_list.h"
#include "app/win32/radio_group.h"
#include "app/win32/unique_handle.h"

namespace ek::app::win32 {

class DeveloperPanel {
  public:
    // Created hidden; `owner` is the main window.
    explicit DeveloperPanel(HWND owner);
    DeveloperPanel(const DeveloperPanel&) = delete;
    DeveloperPanel& operator=(const DeveloperPanel&) = delete;

    // The controls report to `form` from now on.
    void attach(TForm1& form) { form_ = &form; }

    HWND handle() const { return window_.get(); }

    // Shows the panel (again) and brings it to the front; one that was
    // closed opens beside the main window.
    void open();

    void showFiles(const calc::TextList& names, int selectedRow);
    void enableButton14(bool enabled);
    void chooseRadio(int itemIndex);
    void showLabel5(const calc::Text& text);
    void showPriceList(const calc::TextGrid& grid);

  private:
    template <typename Object>
    friend LRESULT CALLBACK objectWindowProcedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void applyDpi(unsigned dpi);
    void onCommand(int id, int code);
    // Beside the main window, never over it (the main window moves where
    // no side of it has room).
    void placeBesideOwner() const;

    TForm1* form_ = nullptr;
    Placements placements_;
    std::unique_ptr<FileList> FileListBox2_;
    std::unique_ptr<RadioGroup> RadioGroup1_;
    std::unique_ptr<CategoryTable> StringGrid8_;
    HWND Button14_ = nullptr;
    HWND Label5_ = nullptr;
    std::unique_ptr<FontSet> fonts_;
    // Last: the window goes before the controls' objects, which its
    // children's procedures still call while they are destroyed.
    UniqueWindow window_;
};

}  // namespace ek::app::win32
