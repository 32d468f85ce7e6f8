#pragma once
// The main window in Qt: the controls at their places, each user action
// handed to the window's behaviour (TForm1), and whatever TForm1 tells shown.

#include <array>
#include <functional>
#include <memory>

#include <QPointer>
#include <QWidget>

#include "app/tform1.h"
#include "app/tform1_view.h"
#include "calc/categories.h"
#include "platform/automation.h"
#include "platform/platform.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace ek::app {

class CategoryTableView;
class DeveloperPanel;
class FigureField;
class FileListBox;
class FolderWatcher;
class GridModel;
class HighlightTabWidget;
class RadioGroup;

class MainWindow : public QWidget, public TForm1View {
    Q_OBJECT

  public:
    // Runs FormCreate. `platform` and `automation` must outlive the window.
    MainWindow(platform::Platform& platform, platform::Automation& automation,
               char16_t decimalSeparator, QWidget* parent = nullptr);
    ~MainWindow() override;

    TForm1& form() { return *form_; }
    // The developer panel, nullptr until opened.
    DeveloperPanel* developerPanel() const;

    // Where messages go instead of a message box (a tool that renders the
    // window unattended); empty: the modal box.
    using MessageSink = std::function<void(const QString& text)>;
    void setMessageSink(MessageSink sink) { messageSink_ = std::move(sink); }

    // TForm1View
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

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void createControls();
    void createTabs();
    void connectEvents();
    void connectTabKeys();
    void connectDeveloperPanel(DeveloperPanel& panel);
    void placeDeveloperPanel();
    void centreOnScreen();

    QLabel* Label1 = nullptr;
    FileListBox* FileListBox1 = nullptr;
    QLabel* Label3 = nullptr;
    FigureField* INF_cena_kategorie = nullptr;
    QLabel* Label4 = nullptr;
    FigureField* INF_celkova_cena = nullptr;
    QPushButton* Button15 = nullptr;
    QPushButton* Button16 = nullptr;
    QCheckBox* CheckBox1 = nullptr;  // "Částky jako čísla"
    QPushButton* Button1 = nullptr;
    RadioGroup* RadioGroup2 = nullptr;
    RadioGroup* RadioGroup3 = nullptr;
    HighlightTabWidget* PageControl1 = nullptr;
    std::array<GridModel*, calc::kCategoryCount> models_{};

    QPointer<DeveloperPanel> developerPanel_;
    FolderWatcher* folderWatcher_ = nullptr;
    MessageSink messageSink_;

    bool showingTab_ = false;  // the tool, not the user, changes the tab
    // Last: made once the controls exist, gone before they are.
    std::unique_ptr<TForm1> form_;
};

}  // namespace ek::app
