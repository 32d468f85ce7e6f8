#include "app/window/tform1.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>

#include "app/window/category_table_view.h"
#include "app/window/developer_panel.h"
#include "app/window/file_list_box.h"
#include "app/window/folder_watcher.h"
#include "app/window/grid_model.h"
#include "app/window/highlight_tab_bar.h"
#include "app/window/radio_group.h"
#include "app/window/texts.h"
#include "app/window/window_font.h"
#include "calc/text.h"

namespace ek::app {

namespace {

// Client-area geometry of the visible controls: left, top, width, height.
constexpr QRect kLabel1{56, 8, 79, 13};
constexpr QRect kFileListBox1{8, 24, 185, 113};
constexpr QRect kLabel3{16, 144, 53, 13};
constexpr QRect kSubtotalField{96, 144, 81, 21};
constexpr QRect kLabel4{16, 168, 64, 13};
constexpr QRect kTotalField{96, 168, 81, 21};
constexpr QRect kButton15{16, 192, 73, 25};
constexpr QRect kButton16{88, 192, 105, 25};
constexpr QRect kButton1{136, 224, 57, 25};
constexpr QRect kRadioGroup2{8, 248, 185, 33};
constexpr QRect kRadioGroup3{8, 280, 185, 33};
constexpr QRect kPageControl1{200, 0, 557, 313};
constexpr int kFileItemHeight = 13;
constexpr int kTableTop = 8;
constexpr int kTableWidth = 537;
constexpr int kTableColumns = 5;
constexpr double kSmallestCaptionPoints = 6.0;

struct TabTable {
    int left;
    int height;
    CategoryTableLook look;
};

// In the order of calc::kCategories. The plants table is passed by Tab; the
// pool table selects one cell at a time.
constexpr std::array<TabTable, calc::kCategoryCount> kTabTables{{
    {8, 265, {{30, 303, 42, 52, 72}, true, false}},
    {8, 265, {{30, 240, 71, 52, 65}, true, true}},
    {8, 265, {{30, 231, 76, 65, 61}, true, true}},
    {8, 265, {{30, 272, 73, 63, 61}, false, true}},
    {8, 257, {{30, 249, 79, 64, 62}, true, true}},
    {8, 265, {{30, 223, 87, 74, 81}, true, true}},
    {8, 257, {{30, 221, 83, 86, 82}, true, true}},
    {9, 265, {{30, 206, 83, 89, 89}, true, true}},
}};

QString qtView(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

template <typename Control>
Control* place(Control* control, const char* name, const QRect& geometry) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

// A caption too wide for its button in a wider fallback font is set a little
// smaller rather than clipped.
void fitCaption(QPushButton* button) {
    const QStyle* style = button->style();
    const int padding = 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                             style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
    QFont font = button->font();
    while (font.pointSizeF() - 0.5 >= kSmallestCaptionPoints &&
           QFontMetrics(font).horizontalAdvance(button->text()) + padding > button->width())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != button->font())
        button->setFont(font);
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry) {
    auto* button = place(new QPushButton(caption, parent), name, geometry);
    button->setAutoDefault(false);
    fitCaption(button);
    return button;
}

// Labels size themselves to their caption, as the geometry's widths were
// measured; with a wider fallback font they grow instead of clipping.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption,
                  const QRect& geometry) {
    auto* label = place(new QLabel(caption, parent), name, geometry);
    label->resize(qMax(geometry.width(), label->sizeHint().width()), geometry.height());
    return label;
}

void showText(QLineEdit* field, const calc::Text& text) {
    const QString shown = qtText(text);
    // Leaves the cursor alone while the text is what the user sees already.
    if (field->text() != shown)
        field->setText(shown);
}

}  // namespace

TForm1::TForm1(platform::Platform& platform, platform::Automation& automation,
               char16_t decimalSeparator, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      platform_(platform),
      state_(platform, decimalSeparator),
      export_(state_, automation) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kApplicationTitle.toString());
    setFont(windowFont());
    setFixedSize(kClientWidth, kClientHeight);
    createControls();
    createTabs();
    folderWatcher_ = new FolderWatcher(this);
    connectEvents();
    centreOnScreen();
    FormCreate();
}

TForm1::~TForm1() {
    // The views, their models and the developer panel read the working state
    // and the export, which are members and die before the base class would
    // hide and delete its children: the children go first.
    const QObjectList children = this->children();
    qDeleteAll(children);
}

void TForm1::createControls() {
    Label1 = makeLabel(this, "Label1", QStringLiteral("Seznam kalkulací"), kLabel1);
    FileListBox1 = place(new FileListBox(this), "FileListBox1", kFileListBox1);
    FileListBox1->setItemHeight(kFileItemHeight);
    Label3 = makeLabel(this, "Label3", QStringLiteral("Dílčí součet"), kLabel3);
    INF_cena_kategorie = place(new QLineEdit(this), "INF_cena_kategorie", kSubtotalField);
    Label4 = makeLabel(this, "Label4", QStringLiteral("Celková cena"), kLabel4);
    INF_celkova_cena = place(new QLineEdit(this), "INF_celkova_cena", kTotalField);
    Button15 = makeButton(this, "Button15", QStringLiteral("Export XLS"), kButton15);
    Button16 = makeButton(this, "Button16", QStringLiteral("Otevřít v MS Excel"), kButton16);
    Button1 = makeButton(this, "Button1", QStringLiteral("Zavřít"), kButton1);
    RadioGroup2 = place(
        new RadioGroup(QStringLiteral("Název rostlin"),
                       {QStringLiteral("první"), QStringLiteral("druhý"), QStringLiteral("oba")}, 3,
                       this),
        "RadioGroup2", kRadioGroup2);
    RadioGroup3 = place(
        new RadioGroup(QStringLiteral("Verze programu"),
                       {QStringLiteral("zkuš. verze"), QStringLiteral("plná verze")}, 2, this),
        "RadioGroup3", kRadioGroup3);
}

void TForm1::createTabs() {
    PageControl1 = place(new HighlightTabWidget(this), "PageControl1", kPageControl1);
    for (std::size_t index = 0; index < calc::kCategoryCount; ++index) {
        const calc::Category& category = calc::kCategories[index];
        const TabTable& tab = kTabTables[index];
        auto* sheet = new QWidget(PageControl1);
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(index + 1));
        auto* table = new CategoryTableView(tab.look, sheet);
        table->setObjectName(qtView(category.tableName));
        table->setGeometry(tab.left, kTableTop, kTableWidth, tab.height);
        auto* model = new GridModel(state_.categoryTable(index), kTableColumns, table);
        table->setModel(model);
        tables_[index] = table;
        models_[index] = model;
        PageControl1->addTab(sheet, qtView(category.tabCaption));
    }
}

void TForm1::connectEvents() {
    connect(FileListBox1, &FileListBox::picked, this, &TForm1::FileListBox1Click);
    FileListBox1->setKeyDownHandler([this](int key) { return FileListBox1KeyDown(key); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (!showingTab_)
            PageControl1Change(index);
    });
    connect(Button15, &QPushButton::clicked, this, &TForm1::Button15Click);
    connect(Button16, &QPushButton::clicked, this, &TForm1::Button16Click);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(RadioGroup2, &RadioGroup::choiceChanged, this, &TForm1::RadioGroup2Click);
    connect(RadioGroup3, &RadioGroup::choiceChanged, this, &TForm1::RadioGroup3Click);
    // The export takes the figures as they stand, typed over or not.
    connect(INF_cena_kategorie, &QLineEdit::textEdited, this,
            [this](const QString& text) { state_.INF_cena_kategorie = stateText(text); });
    connect(INF_celkova_cena, &QLineEdit::textEdited, this,
            [this](const QString& text) { state_.INF_celkova_cena = stateText(text); });
    connect(folderWatcher_, &FolderWatcher::folderChanged, this, &TForm1::materialFolderChanged);
    auto* developer = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D), this);
    connect(developer, &QShortcut::activated, this, [this] { openDeveloperPanel(); });
}

void TForm1::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

// --- The one handler

void TForm1::runOperation(const std::function<void()>& operation, Tables tables) {
    // Message boxes are application-modal, so no input arrives while an
    // operation runs; only the folder watcher has to wait (see below).
    if (busy_)
        return;
    busy_ = true;
    try {
        operation();
    } catch (const std::exception& error) {
        platform_.showMessage(calc::fromUtf8(error.what()));
    } catch (...) {
        platform_.showMessage(u"Neznámá chyba");
    }
    busy_ = false;
    showState(tables);
    if (folderChangePending_) {
        folderChangePending_ = false;
        materialFolderChanged();
    }
}

void TForm1::showState(Tables tables) {
    QStringList names;
    names.reserve(static_cast<qsizetype>(state_.FileListBox1.items.size()));
    for (const calc::Text& name : state_.FileListBox1.items)
        names << qtText(name);
    FileListBox1->showFiles(names, state_.FileListBox1.itemIndex);
    showFigures();
    Button15->setEnabled(state_.Button15Enabled);
    Button16->setEnabled(state_.Button16Enabled);
    RadioGroup2->setItemIndex(state_.RadioGroup2);
    RadioGroup3->setItemIndex(state_.RadioGroup3);
    showTabs();
    if (tables == Tables::Changed) {
        for (GridModel* model : models_)
            model->refresh();
    }
    if (developerPanel_)
        developerPanel_->showState(tables == Tables::Changed);
    watchMaterialFolder();
}

void TForm1::showFigures() {
    showText(INF_cena_kategorie, state_.INF_cena_kategorie);
    showText(INF_celkova_cena, state_.INF_celkova_cena);
}

void TForm1::showTabs() {
    showingTab_ = true;
    PageControl1->setCurrentIndex(state_.shownTab - 1);
    showingTab_ = false;
    HighlightTabBar* bar = PageControl1->highlightTabBar();
    for (int index = 0; index < bar->count(); ++index)
        bar->setHighlighted(index, state_.highlightedTab == index + 1);
}

void TForm1::watchMaterialFolder() {
    folderWatcher_->watch(qtText(state_.FileListBox1.folder));
}

// --- Events

void TForm1::FormCreate() {
    runOperation([this] {
        state_.Nastavit();
        // Shown by the tool: not a tab change, nothing highlighted.
        state_.shownTab = 1;
    });
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (firstShown_)
        return;
    firstShown_ = true;
    // On first display both file lists read their folders again, the
    // material lists first: the price-list folder ends up the current one.
    runOperation(
        [this] {
            state_.FileListBox1.reread(platform_, collation_);
            state_.FileListBox2.reread(platform_, collation_);
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

void TForm1::PageControl1Change(int index) {
    runOperation(
        [this, index] {
            state_.shownTab = index + 1;
            state_.PageControl1Change();
        },
        Tables::Unchanged);
}

void TForm1::Button15Click() {
    runOperation([this] { export_.Button15Click(); }, Tables::Unchanged);
}

void TForm1::Button16Click() {
    runOperation([this] { export_.Button16Click(); }, Tables::Unchanged);
}

void TForm1::Button1Click() {
    close();
}

void TForm1::RadioGroup2Click(int index) {
    runOperation([this, index] {
        state_.RadioGroup2 = index;
        state_.Prevod();
    });
}

void TForm1::RadioGroup3Click(int index) {
    runOperation([this, index] {
        state_.RadioGroup3 = index;
        state_.Nastavit();
    });
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
            const platform::Path current = platform_.currentDirectory();
            state_.FileListBox1.reread(platform_, collation_);
            platform_.setCurrentDirectory(current);
        },
        Tables::Unchanged);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (developerPanel_)
        developerPanel_->close();
    event->accept();
}

// --- Developer panel

DeveloperPanel* TForm1::openDeveloperPanel() {
    if (!developerPanel_) {
        developerPanel_ = new DeveloperPanel(state_, export_, this);
        developerPanel_->setFont(font());
        connectDeveloperPanel(*developerPanel_);
    }
    developerPanel_->showState(true);
    developerPanel_->show();
    developerPanel_->raise();
    developerPanel_->activateWindow();
    return developerPanel_;
}

void TForm1::connectDeveloperPanel(DeveloperPanel& panel) {
    const auto runs = [this](QPushButton* button, void (calc::Kalkulace::*operation)()) {
        connect(button, &QPushButton::clicked, this,
                [this, operation] { runOperation([this, operation] { (state_.*operation)(); }); });
    };
    // Button2 ("Složka pro kalkulace") has no operation.
    runs(panel.Button3, &calc::Kalkulace::KalkulaceDoSeznamu);
    runs(panel.Button4, &calc::Kalkulace::SeznamDoTabulky);
    runs(panel.Button7, &calc::Kalkulace::PrehledKategorii);
    runs(panel.Button8, &calc::Kalkulace::NajitKategorii);
    runs(panel.Button5, &calc::Kalkulace::Rostliny_z_tabulky);
    runs(panel.Button6, &calc::Kalkulace::Zahrada_z_tabulky);
    runs(panel.Button9, &calc::Kalkulace::Stavba_z_tabulky);
    runs(panel.Button11, &calc::Kalkulace::Bazen_z_tabulky);
    runs(panel.Button12, &calc::Kalkulace::Voda_z_tabulky);
    runs(panel.Button13, &calc::Kalkulace::Teren_z_tabulky);
    runs(panel.Button22, &calc::Kalkulace::TrideniRostlin);
    runs(panel.Button23, &calc::Kalkulace::OpravaSeznamu);
    runs(panel.Button19, &calc::Kalkulace::CteniCeniku);
    runs(panel.Button20, &calc::Kalkulace::PrevodDoTabulky);
    runs(panel.Button21, &calc::Kalkulace::ZaznamNovehoCeniku);
    connect(panel.Button10, &QPushButton::clicked, this, [this] {
        runOperation([this] { platform_.showMessage(platform_.currentDirectory()); },
                     Tables::Unchanged);
    });
    connect(panel.FileListBox2, &FileListBox::picked, this, [this](int row) {
        runOperation([this, row] {
            state_.FileListBox2.itemIndex = row;
            state_.VyberCeniku();
        });
    });
    const auto exports = [this](QPushButton* button, void (exporter::Export::*operation)()) {
        connect(button, &QPushButton::clicked, this, [this, operation] {
            runOperation([this, operation] { (export_.*operation)(); }, Tables::Unchanged);
        });
    };
    exports(panel.Button14, &exporter::Export::Button14Click);
    exports(panel.Button17, &exporter::Export::Button17Click);
    exports(panel.Button18, &exporter::Export::Button18Click);
    connect(panel.RadioGroup1, &RadioGroup::choiceChanged, this, [this](int index) {
        runOperation(
            [this, index] {
                export_.RadioGroup1 = index;
                export_.RadioGroup1Click();
            },
            Tables::Unchanged);
    });
}

}  // namespace ek::app
