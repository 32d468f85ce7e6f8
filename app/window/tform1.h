#pragma once
// The tool's one window. It owns the working state, shows it through the
// visible controls and hands every event to the operation of the working
// state that belongs to it. Each operation runs inside one handler that turns
// an error into a message box and then shows the resulting state; the window
// stays usable.

#include <array>
#include <functional>

#include <QPointer>
#include <QWidget>

#include "calc/categories.h"
#include "calc/czech_collation.h"
#include "calc/kalkulace.h"
#include "export/export.h"
#include "platform/automation.h"
#include "platform/platform.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ek::app {

class CategoryTableView;
class DeveloperPanel;
class FileListBox;
class FolderWatcher;
class GridModel;
class HighlightTabWidget;
class RadioGroup;

class TForm1 : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 759;
    static constexpr int kClientHeight = 315;

    // Runs FormCreate. Messages and errors go to `platform`'s message box;
    // "Otevřít v MS Excel" creates its object through `automation`. Both must
    // outlive the window.
    TForm1(platform::Platform& platform, platform::Automation& automation,
           char16_t decimalSeparator, QWidget* parent = nullptr);
    ~TForm1() override;

    const calc::Kalkulace& state() const { return state_; }
    const exporter::Export& exporter() const { return export_; }

    // The developer panel, created on first use (Ctrl+Shift+D).
    DeveloperPanel* openDeveloperPanel();

    // --- Event handlers, under the names of the events they serve
    void FormCreate();
    void FileListBox1Click(int row);
    // True when the key was handled and the list must not move its selection.
    bool FileListBox1KeyDown(int virtualKey);
    void PageControl1Change(int index);
    void Button15Click();
    void Button16Click();
    void Button1Click();
    void RadioGroup2Click(int index);
    void RadioGroup3Click(int index);

    // The material-list folder changed on disk: the list follows it, the
    // selection stays on the same file, nothing is read.
    void materialFolderChanged();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    enum class Tables { Unchanged, Changed };

    void createControls();
    void createTabs();
    void connectEvents();
    void connectDeveloperPanel(DeveloperPanel& panel);
    void centreOnScreen();

    // The one handler around every operation: an error becomes a message box;
    // afterwards the controls show the state.
    void runOperation(const std::function<void()>& operation, Tables tables = Tables::Changed);
    void showState(Tables tables);
    void showTabs();
    void showFigures();
    void watchMaterialFolder();
    void rereadMaterialList();

    platform::Platform& platform_;
    calc::Kalkulace state_;
    exporter::Export export_;  // keeps the spreadsheet program's object between runs
    calc::CzechCollation collation_;

    QLabel* Label1 = nullptr;
    FileListBox* FileListBox1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* INF_cena_kategorie = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* INF_celkova_cena = nullptr;
    QPushButton* Button15 = nullptr;
    QPushButton* Button16 = nullptr;
    QPushButton* Button1 = nullptr;
    RadioGroup* RadioGroup2 = nullptr;
    RadioGroup* RadioGroup3 = nullptr;
    HighlightTabWidget* PageControl1 = nullptr;
    std::array<CategoryTableView*, calc::kCategoryCount> tables_{};
    std::array<GridModel*, calc::kCategoryCount> models_{};

    QPointer<DeveloperPanel> developerPanel_;
    FolderWatcher* folderWatcher_ = nullptr;

    bool busy_ = false;                 // an operation is running
    bool folderChangePending_ = false;  // the folder changed while one was running
    bool showingTab_ = false;           // the tool, not the user, changes the tab
    bool firstShown_ = false;
};

}  // namespace ek::app
