#pragma once
// The tool's window on Windows: the native controls at their places, the
// user's actions reported to the window's behaviour (TForm1), and what TForm1
// tells shown. The window procedure finds this object through GWLP_USERDATA.

#include <windows.h>

#include <array>
#include <memory>

#include "app/tform1.h"
#include "app/tform1_view.h"
#include "app/win32/category_table.h"
#include "app/win32/child_controls.h"
#include "app/win32/developer_panel.h"
#include "app/win32/file_list.h"
#include "app/win32/folder_watch.h"
#include "app/win32/highlight_tabs.h"
#include "app/win32/radio_group.h"
#include "app/win32/tool_tips.h"
#include "app/win32/unique_handle.h"

namespace ek::app::win32 {

class MainWindow final : public TForm1View {
  public:
    // Control ids; 1 and 2 are left out: the dialog keys send them (IDOK,
    // IDCANCEL).
    enum ControlId : int {
        kLabel1Id = 100,
        kFileListBox1Id,
        kLabel3Id,
        kSubtotalId,
        kLabel4Id,
        kTotalId,
        kButton15Id,
        kButton16Id,
        kButton1Id,
        kCheckBox1Id,
        kRadioGroup2FirstId = 111,  // the group box 110
        kRadioGroup3FirstId = 121,  // the group box 120
        kPageControl1Id = 130,
        kFirstTableId = 140,
    };

    // Creates the window and its controls, hidden.
    MainWindow();
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The controls report to `form` from now on; runs its FormCreate.
    void attach(TForm1& form);
    // Shows the window, centred; the first time, TForm1::FormShow follows.
    void show(int showCommand);

    // --- For the tests
    HWND handle() const { return window_.get(); }
    HWND control(int id) const { return ::GetDlgItem(window_.get(), id); }
    const CategoryTable& table(std::size_t index) const { return *tables_.at(index); }
    const HighlightTabs& tabs() const { return *PageControl1_; }
    HWND developerPanelHandle() const { return developerPanel_->handle(); }
    HWND figureTips() const { return figureTips_->handle(); }

    // --- For the message loop
    // Keyboard shortcuts and dialog navigation (Tab, arrows) of the window and
    // the developer panel; true when `message` has been dealt with.
    bool translateMessage(MSG& message);
    FolderWatch& folderWatch() { return folderWatch_; }
    // The watched folder has settled after a change.
    void folderChanged();

    // --- TForm1View
    void showFiles(FileListId list, const calc::TextList& names, int selectedRow) override;
    void showText(FieldId field, const calc::Text& text) override;
    void enableButton(ButtonId button, bool enabled) override;
    void chooseRadio(RadioGroupId group, int itemIndex) override;
    void showTabs(int shownTab, int highlightedTab) override;
    void showTable(std::size_t table, const calc::TextGrid& grid) override;
    void watchFolder(const calc::Text& folder) override;
    void showMessage(const std::u16string& text, MessageKind kind) override;
    void openDeveloperPanel() override;
    void closeWindow() override;

  private:
    template <typename Object>
    friend LRESULT CALLBACK objectWindowProcedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void createTabs();
    void applyDpi(unsigned dpi);
    void placeTables(unsigned dpi);
    void showOnlyTable(int tab);
    void onCommand(int id, int code);
    bool onNotify(NMHDR& header, LRESULT& result);
    void fieldEdited(int id);
    void fitFigure(HWND field);
    void alignLabels() const;

    TForm1* form_ = nullptr;
    unsigned dpi_ = kDesignDpi;
    bool shownOnce_ = false;
    bool settingText_ = false;  // the program, not the user, changes a field

    Placements placements_;
    std::unique_ptr<FileList> FileListBox1_;
    HWND Label3_ = nullptr;
    HWND Label4_ = nullptr;
    HWND INF_cena_kategorie_ = nullptr;
    HWND INF_celkova_cena_ = nullptr;
    HWND Button15_ = nullptr;
    HWND Button16_ = nullptr;
    std::unique_ptr<RadioGroup> RadioGroup2_;
    std::unique_ptr<RadioGroup> RadioGroup3_;
    std::unique_ptr<HighlightTabs> PageControl1_;
    std::array<std::unique_ptr<CategoryTable>, calc::kCategoryCount> tables_;
    std::unique_ptr<FontSet> fonts_;
    std::unique_ptr<ToolTips> figureTips_;
    AcceleratorTable shortcuts_;
    FolderWatch folderWatch_;
    std::unique_ptr<DeveloperPanel> developerPanel_;
    // Last: the window goes before the controls' objects, which its
    // children's procedures still call while they are destroyed.
    UniqueWindow window_;
};

}  // namespace ek::app::win32
