#pragma once
// The tool's one window, without its widgets: it owns the working state and
// the export, runs the operation that belongs to each event, and then tells
// its view what every control shows. Each operation runs inside one handler
// that turns an error into a message box; the window stays usable. The views
// (Qt on Linux, Win32 on Windows) create the controls, report the user's
// actions to the handlers below and draw what they are told.

#include <functional>
#include <memory>

#include "app/tform1_view.h"
#include "calc/czech_collation.h"
#include "calc/kalkulace.h"
#include "export/export.h"
#include "platform/automation.h"
#include "platform/platform.h"

namespace ek::app {

class TForm1 {
  public:
    static constexpr int kClientWidth = 759;
    static constexpr int kClientHeight = 315;

    // `platform`, `automation` and `view` must outlive the window. Messages of
    // the operations go to the view's message box, not to the platform's.
    TForm1(platform::Platform& platform, platform::Automation& automation,
           char16_t decimalSeparator, TForm1View& view);
    ~TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    const calc::Kalkulace& state() const { return state_; }
    const exporter::Export& exporter() const { return export_; }

    // --- Events of the main window, under the names of the events they serve
    // Creation: the start-up settings, the first tab shown. The view calls it
    // once its controls exist.
    void FormCreate();
    // The first time the window is shown: both file lists read their folders
    // again.
    void FormShow();
    void FileListBox1Click(int row);
    // Returns true when the key was handled and the list must not move its
    // selection. `virtualKey` is a Windows virtual-key code.
    bool FileListBox1KeyDown(int virtualKey);
    void PageControl1Change(int tab);
    // Ctrl+Tab, Ctrl+PgDn (`step` 1) and Ctrl+Shift+Tab, Ctrl+PgUp (-1),
    // anywhere in the window: the next or previous tab, round the ends, as
    // a change of tab by the user.
    void switchTab(int step);
    void Button15Click();
    void Button16Click();
    void Button1Click();
    // "Částky jako čísla": later exports write amounts as numbers, or as the
    // texts the tables show; the tables themselves stay as they are.
    void CheckBox1Click(bool checked);
    void RadioGroup2Click(int itemIndex);
    void RadioGroup3Click(int itemIndex);
    // The user typed in a figure field: the export takes the text as it stands.
    void INF_cena_kategorieChange(const calc::Text& text);
    void INF_celkova_cenaChange(const calc::Text& text);
    // Files appeared in, left or were renamed in the watched folder: the list
    // follows, the selection stays on the same file, nothing is read.
    void materialFolderChanged();
    // Ctrl+Shift+D or --developer.
    void openDeveloperPanel();

    // --- Events of the developer panel
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Button12Click();
    void Button13Click();
    void Button14Click();
    void Button17Click();
    void Button18Click();
    void Button19Click();
    void Button20Click();
    void Button21Click();
    void Button22Click();
    void Button23Click();
    void FileListBox2Click(int row);
    void RadioGroup1Click(int itemIndex);

    // Virtual-key codes of the keys FileListBox1KeyDown looks at.
    static constexpr int kVirtualKeyLeft = 37;
    static constexpr int kVirtualKeyUp = 38;
    static constexpr int kVirtualKeyRight = 39;
    static constexpr int kVirtualKeyDown = 40;

  private:
    enum class Tables { Unchanged, Changed };
    class ViewPlatform;

    // The one handler around every operation: an error becomes a message box;
    // afterwards the controls show the state.
    void runOperation(const std::function<void()>& operation, Tables tables = Tables::Changed);
    void runStateOperation(void (calc::Kalkulace::*operation)());
    void cutTablesToHeaderRows();
    void runExportOperation(void (exporter::Export::*operation)());
    void showState(Tables tables);

    TForm1View& view_;
    std::unique_ptr<ViewPlatform> platform_;
    calc::Kalkulace state_;
    exporter::Export export_;  // keeps the spreadsheet program's object between runs
    calc::CzechCollation collation_;

    bool busy_ = false;                 // an operation is running
    bool folderChangePending_ = false;  // the folder changed while one was running
    bool shown_ = false;
};

}  // namespace ek::app
