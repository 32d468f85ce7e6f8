#include "app/tform1.h"

#include <exception>

#include "calc/categories.h"
#include "calc/error.h"
#include "calc/text.h"

namespace ek::app {

namespace {

// The size limit refuses a file by design, as a missing folder is a
// condition of the user's files: a warning, not a failure of the tool.
MessageKind kindOfError(const std::exception& error) {
    return dynamic_cast<const calc::FileTooLargeError*>(&error) != nullptr ? MessageKind::Notice
                                                                           : MessageKind::Error;
}

}  // namespace

// The platform as the window's operations use it: every service is the
// system's, but a foreseen condition appears in the view's message box.
class TForm1::ViewPlatform : public platform::Platform {
  public:
    ViewPlatform(platform::Platform& system, TForm1View& view) : system_(system), view_(view) {}

    char16_t separator() const override { return system_.separator(); }
    platform::Path specialFolder(int folderId) override { return system_.specialFolder(folderId); }
    bool directoryExists(const platform::Path& path) override {
        return system_.directoryExists(path);
    }
    bool fileExists(const platform::Path& path) override { return system_.fileExists(path); }
    std::vector<platform::Path> listFiles(const platform::Path& folder,
                                          const platform::Path& mask) override {
        return system_.listFiles(folder, mask);
    }
    platform::Path currentDirectory() override { return system_.currentDirectory(); }
    bool setCurrentDirectory(const platform::Path& path) override {
        return system_.setCurrentDirectory(path);
    }
    std::uint64_t fileSize(const platform::Path& path) override { return system_.fileSize(path); }
    platform::Bytes readFile(const platform::Path& path) override { return system_.readFile(path); }
    void writeFileAtomically(const platform::Path& path, const platform::Bytes& content) override {
        system_.writeFileAtomically(path, content);
    }
    bool copyFile(const platform::Path& from, const platform::Path& to) override {
        return system_.copyFile(from, to);
    }
    void makeWritable(const platform::Path& path) override { system_.makeWritable(path); }
    void deleteFile(const platform::Path& path) override { system_.deleteFile(path); }
    bool startProcess(const platform::Path& program,
                      const std::vector<platform::Path>& arguments) override {
        return system_.startProcess(program, arguments);
    }

    void showMessage(const std::u16string& text) override {
        view_.showMessage(text, MessageKind::Notice);
    }

  private:
    platform::Platform& system_;
    TForm1View& view_;
};

TForm1::TForm1(platform::Platform& platform, platform::Automation& automation,
               char16_t decimalSeparator, TForm1View& view)
    : view_(view),
      platform_(std::make_unique<ViewPlatform>(platform, view)),
      state_(*platform_, decimalSeparator),
      export_(state_, automation) {}

TForm1::~TForm1() = default;

// --- The one handler

void TForm1::runOperation(const std::function<void()>& operation, Tables tables) {
    // A message box runs its own event loop, in which the folder watcher may
    // report; the user cannot start anything else meanwhile (the box is modal),
    // so only the folder change has to wait (see materialFolderChanged).
    if (busy_)
        return;
    busy_ = true;
    try {
        operation();
    } catch (const std::exception& error) {
        const calc::Text message = calc::fromUtf8(error.what());
        view_.showMessage(message, kindOfError(error));
    } catch (...) {
        view_.showMessage(u"Neznámá chyba", MessageKind::Error);
    }
    busy_ = false;
    showState(tables);
    if (folderChangePending_) {
        folderChangePending_ = false;
        materialFolderChanged();
    }
}

void TForm1::runStateOperation(void (calc::Kalkulace::*operation)()) {
    runOperation([this, operation] { (state_.*operation)(); });
}

void TForm1::runExportOperation(void (exporter::Export::*operation)()) {
    runOperation([this, operation] { (export_.*operation)(); }, Tables::Unchanged);
}

void TForm1::cutTablesToHeaderRows() {
    for (std::size_t index = 0; index < calc::kCategoryCount; ++index)
        state_.cutToHeaderRow(index);
}

void TForm1::showState(Tables tables) {
    view_.showFiles(FileListId::FileListBox1, state_.FileListBox1.items,
                    state_.FileListBox1.itemIndex);
    view_.showText(FieldId::INF_cena_kategorie, state_.INF_cena_kategorie);
    view_.showText(FieldId::INF_celkova_cena, state_.INF_celkova_cena);
    view_.enableButton(ButtonId::Button15, state_.Button15Enabled);
    view_.enableButton(ButtonId::Button16, state_.Button16Enabled);
    view_.chooseRadio(RadioGroupId::RadioGroup2, state_.RadioGroup2);
    view_.chooseRadio(RadioGroupId::RadioGroup3, state_.RadioGroup3);
    view_.showTabs(state_.shownTab - 1, state_.highlightedTab - 1);
    // The developer panel's controls.
    view_.showFiles(FileListId::FileListBox2, state_.FileListBox2.items,
                    state_.FileListBox2.itemIndex);
    view_.enableButton(ButtonId::Button14, state_.Button14Enabled);
    view_.chooseRadio(RadioGroupId::RadioGroup1, export_.RadioGroup1);
    view_.showText(FieldId::Label5, export_.Label5);
    if (tables == Tables::Changed) {
        for (std::size_t index = 0; index < calc::kCategoryCount; ++index)
            view_.showTable(index, state_.categoryTable(index));
        view_.showTable(kPriceListTable, state_.StringGrid8);
    }
    view_.watchFolder(state_.FileListBox1.folder);
}

// --- Events of the main window

void TForm1::FormCreate() {
    runOperation([this] {
        state_.Nastavit();
        // Shown by the tool: not a tab change, nothing highlighted.
        state_.shownTab = 1;
    });
}

void TForm1::FormShow() {
    if (shown_)
        return;
    shown_ = true;
    // On first display both file lists read their folders again, the
    // material lists first: the price-list folder ends up the current one.
    runOperation(
        [this] {
            state_.FileListBox1.reread(*platform_, collation_);
            state_.FileListBox2.reread(*platform_, collation_);
        },
        Tables::Unchanged);
}

void TForm1::FileListBox1Click(int row) {
    runOperation([this, row] {
        state_.FileListBox1.itemIndex = row;
        state_.Prevod();
    });
}

bool TForm1::FileListBox1KeyDown(int virtualKey) {
    if (virtualKey != kVirtualKeyLeft && virtualKey != kVirtualKeyRight)
        return false;
    // A failure in the reading ends the key's handling as well.
    bool consumed = true;
    runOperation(
        [this, virtualKey, &consumed] { consumed = state_.FileListBox1KeyDown(virtualKey); });
    return consumed;
}

void TForm1::PageControl1Change(int tab) {
    runOperation(
        [this, tab] {
            state_.shownTab = tab + 1;
            state_.PageControl1Change();
        },
        Tables::Unchanged);
}

void TForm1::switchTab(int step) {
    const int count = static_cast<int>(calc::kCategoryCount);
    PageControl1Change(((state_.shownTab - 1 + step) % count + count) % count);
}

void TForm1::Button15Click() {
    runOperation([this] { export_.Button15Click(); }, Tables::Unchanged);
}

void TForm1::Button16Click() {
    runExportOperation(&exporter::Export::Button16Click);
}

void TForm1::Button1Click() {
    view_.closeWindow();
}

void TForm1::CheckBox1Click(bool checked) {
    export_.CheckBox1 = checked;
}

void TForm1::RadioGroup2Click(int itemIndex) {
    runOperation([this, itemIndex] {
        state_.RadioGroup2 = itemIndex;
        state_.Prevod();
    });
}

void TForm1::RadioGroup3Click(int itemIndex) {
    runOperation([this, itemIndex] {
        state_.RadioGroup3 = itemIndex;
        // The totals go back to nothing without a reading: the tables with
        // them, so that what is on screen belongs together (also when the
        // OpenOffice path fails to be read at the end).
        cutTablesToHeaderRows();
        state_.Nastavit();
    });
}

void TForm1::INF_cena_kategorieChange(const calc::Text& text) {
    state_.INF_cena_kategorie = text;
}

void TForm1::INF_celkova_cenaChange(const calc::Text& text) {
    state_.INF_celkova_cena = text;
}

void TForm1::materialFolderChanged() {
    if (busy_) {
        folderChangePending_ = true;
        return;
    }
    runOperation(
        [this] {
            // Following the folder is not the user's doing: the current
            // directory, which decides where relative names land, stays.
            const platform::Path current = platform_->currentDirectory();
            state_.FileListBox1.reread(*platform_, collation_);
            platform_->setCurrentDirectory(current);
        },
        Tables::Unchanged);
}

void TForm1::openDeveloperPanel() {
    view_.openDeveloperPanel();
    showState(Tables::Changed);
}

// --- Events of the developer panel

void TForm1::Button2Click() {
    // "Složka pro kalkulace" has no operation.
}
void TForm1::Button3Click() {
    runStateOperation(&calc::Kalkulace::KalkulaceDoSeznamu);
}
void TForm1::Button4Click() {
    runStateOperation(&calc::Kalkulace::SeznamDoTabulky);
}
void TForm1::Button5Click() {
    runStateOperation(&calc::Kalkulace::Rostliny_z_tabulky);
}
void TForm1::Button6Click() {
    runStateOperation(&calc::Kalkulace::Zahrada_z_tabulky);
}
void TForm1::Button7Click() {
    runStateOperation(&calc::Kalkulace::PrehledKategorii);
}
void TForm1::Button8Click() {
    runStateOperation(&calc::Kalkulace::NajitKategorii);
}
void TForm1::Button9Click() {
    runStateOperation(&calc::Kalkulace::Stavba_z_tabulky);
}
void TForm1::Button10Click() {
    runOperation(
        [this] { view_.showMessage(platform_->currentDirectory(), MessageKind::Information); },
        Tables::Unchanged);
}
void TForm1::Button11Click() {
    runStateOperation(&calc::Kalkulace::Bazen_z_tabulky);
}
void TForm1::Button12Click() {
    runStateOperation(&calc::Kalkulace::Voda_z_tabulky);
}
void TForm1::Button13Click() {
    runStateOperation(&calc::Kalkulace::Teren_z_tabulky);
}
void TForm1::Button14Click() {
    runExportOperation(&exporter::Export::Button14Click);
}
void TForm1::Button17Click() {
    runExportOperation(&exporter::Export::Button17Click);
}
void TForm1::Button18Click() {
    runExportOperation(&exporter::Export::Button18Click);
}
void TForm1::Button19Click() {
    runStateOperation(&calc::Kalkulace::CteniCeniku);
}
void TForm1::Button20Click() {
    runStateOperation(&calc::Kalkulace::PrevodDoTabulky);
}
void TForm1::Button21Click() {
    runStateOperation(&calc::Kalkulace::ZaznamNovehoCeniku);
}
void TForm1::Button22Click() {
    runStateOperation(&calc::Kalkulace::TrideniRostlin);
}
void TForm1::Button23Click() {
    runStateOperation(&calc::Kalkulace::OpravaSeznamu);
}

void TForm1::FileListBox2Click(int row) {
    runOperation([this, row] {
        state_.FileListBox2.itemIndex = row;
        state_.VyberCeniku();
    });
}

void TForm1::RadioGroup1Click(int itemIndex) {
    runOperation(
        [this, itemIndex] {
            export_.RadioGroup1 = itemIndex;
            export_.RadioGroup1Click();
        },
        Tables::Unchanged);
}

}  // namespace ek::app
