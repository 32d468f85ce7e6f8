#include "app/window/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>

#include "app/panel_placement.h"
#include "app/window/category_table_view.h"
#include "app/window/developer_panel.h"
#include "app/window/figure_field.h"
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
// The labels as high as their fields, their text centred like the fields':
// both lines of text stand on one baseline.
constexpr QRect kLabel3{16, 144, 53, 21};
constexpr QRect kSubtotalField{96, 144, 81, 21};
constexpr QRect kLabel4{16, 168, 64, 21};
constexpr QRect kTotalField{96, 168, 81, 21};
// Four pixels apart, the right one ending under the file list's edge.
constexpr QRect kButton15{16, 192, 71, 25};
constexpr QRect kButton16{91, 192, 102, 25};
constexpr QRect kCheckBox1{16, 228, 115, 17};
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
// pool table selects one cell at a time. The columns follow their texts.
constexpr std::array<TabTable, calc::kCategoryCount> kTabTables{{
    {8, 265, {{30, 303, 42, 52, 72}, true, false, true}},
    {8, 265, {{30, 240, 71, 52, 65}, true, true, true}},
    {8, 265, {{30, 231, 76, 65, 61}, true, true, true}},
    {8, 265, {{30, 272, 73, 63, 61}, false, true, true}},
    {8, 257, {{30, 249, 79, 64, 62}, true, true, true}},
    {8, 265, {{30, 223, 87, 74, 81}, true, true, true}},
    {8, 257, {{30, 221, 83, 86, 82}, true, true, true}},
    {9, 265, {{30, 206, 83, 89, 89}, true, true, true}},
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

// A check box whose box and caption are wider than its place in a wider
// fallback font gets its caption a little smaller, as a button does.
QCheckBox* makeCheckBox(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry) {
    auto* box = place(new QCheckBox(caption, parent), name, geometry);
    QFont font = box->font();
    while (font.pointSizeF() - 0.5 >= kSmallestCaptionPoints &&
           box->sizeHint().width() > box->width()) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        box->setFont(font);
    }
    return box;
}

// Labels size themselves to their caption, as the geometry's widths were
// measured; with a wider fallback font they grow instead of clipping.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption,
                  const QRect& geometry) {
    auto* label = place(new QLabel(caption, parent), name, geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->resize(qMax(geometry.width(), label->sizeHint().width()), geometry.height());
    return label;
}

QMessageBox::Icon messageIcon(MessageKind kind) {
    switch (kind) {
        case MessageKind::Notice:
            return QMessageBox::Warning;
        case MessageKind::Error:
            return QMessageBox::Critical;
        case MessageKind::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

ScreenRect screenRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

void showFieldText(QLineEdit* field, const calc::Text& text) {
    const QString shown = qtText(text);
    // Leaves the cursor alone while the text is what the user sees already.
    if (field->text() != shown)
        field->setText(shown);
}

QStringList qtTexts(const calc::TextList& texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const calc::Text& text : texts)
        list << qtText(text);
    return list;
}

}  // namespace

MainWindow::MainWindow(platform::Platform& platform, platform::Automation& automation,
                       char16_t decimalSeparator, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kApplicationTitle.toString());
    setFont(windowFont());
    setFixedSize(TForm1::kClientWidth, TForm1::kClientHeight);
    createControls();
    createTabs();
    folderWatcher_ = new FolderWatcher(this);
    form_ = std::make_unique<TForm1>(platform, automation, decimalSeparator, *this);
    connectEvents();
    centreOnScreen();
    form_->FormCreate();
}

MainWindow::~MainWindow() {
    // The views, their models and the developer panel read the working state,
    // which dies with form_, before the base class would delete its children:
    // the children go first.
    const QObjectList children = this->children();
    qDeleteAll(children);
}

void MainWindow::createControls() {
    Label1 = makeLabel(this, "Label1", QStringLiteral("Seznam kalkulací"), kLabel1);
    FileListBox1 = place(new FileListBox(this), "FileListBox1", kFileListBox1);
    FileListBox1->setItemHeight(kFileItemHeight);
    Label3 = makeLabel(this, "Label3", QStringLiteral("Dílčí součet"), kLabel3);
    INF_cena_kategorie = place(new FigureField(this), "INF_cena_kategorie", kSubtotalField);
    Label4 = makeLabel(this, "Label4", QStringLiteral("Celková cena"), kLabel4);
    INF_celkova_cena = place(new FigureField(this), "INF_celkova_cena", kTotalField);
    Button15 = makeButton(this, "Button15", QStringLiteral("Export XLS"), kButton15);
    Button16 = makeButton(this, "Button16", QStringLiteral("Otevřít v MS Excel"), kButton16);
    // Unchecked at every start: the tool keeps no settings.
    CheckBox1 = makeCheckBox(this, "CheckBox1", QStringLiteral("Částky jako čísla"), kCheckBox1);
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

void MainWindow::createTabs() {
    PageControl1 = place(new HighlightTabWidget(this), "PageControl1", kPageControl1);
    for (std::size_t index = 0; index < calc::kCategoryCount; ++index) {
        const calc::Category& category = calc::kCategories[index];
        const TabTable& tab = kTabTables[index];
        auto* sheet = new QWidget(PageControl1);
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(index + 1));
        auto* table = new CategoryTableView(tab.look, sheet);
        table->setObjectName(qtView(category.tableName));
        table->setGeometry(tab.left, kTableTop, kTableWidth, tab.height);
        auto* model = new GridModel(kTableColumns, GridModel::Figures::Right, table);
        table->setModel(model);
        models_[index] = model;
        PageControl1->addTab(sheet, qtView(category.tabCaption));
    }
}

void MainWindow::connectEvents() {
    TForm1* form = form_.get();
    connect(FileListBox1, &FileListBox::picked, this,
            [form](int row) { form->FileListBox1Click(row); });
    FileListBox1->setKeyDownHandler([form](int key) { return form->FileListBox1KeyDown(key); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (!showingTab_)
            form_->PageControl1Change(index);
    });
    connect(Button15, &QPushButton::clicked, this, [form] { form->Button15Click(); });
    connect(Button16, &QPushButton::clicked, this, [form] { form->Button16Click(); });
    connect(CheckBox1, &QCheckBox::clicked, this,
            [form](bool checked) { form->CheckBox1Click(checked); });
    connect(Button1, &QPushButton::clicked, this, [form] { form->Button1Click(); });
    connect(RadioGroup2, &RadioGroup::choiceChanged, this,
            [form](int index) { form->RadioGroup2Click(index); });
    connect(RadioGroup3, &RadioGroup::choiceChanged, this,
            [form](int index) { form->RadioGroup3Click(index); });
    // Typed by the user only: the program's own setText is no edit.
    connect(INF_cena_kategorie, &QLineEdit::textEdited, this,
            [form](const QString& text) { form->INF_cena_kategorieChange(stateText(text)); });
    connect(INF_celkova_cena, &QLineEdit::textEdited, this,
            [form](const QString& text) { form->INF_celkova_cenaChange(stateText(text)); });
    connect(folderWatcher_, &FolderWatcher::folderChanged, this,
            [form] { form->materialFolderChanged(); });
    auto* developer = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D), this);
    connect(developer, &QShortcut::activated, this, [form] { form->openDeveloperPanel(); });
    connectTabKeys();
}

void MainWindow::connectTabKeys() {
    TForm1* form = form_.get();
    const auto switches = [this, form](QKeyCombination keys, int step) {
        auto* shortcut = new QShortcut(QKeySequence(keys), this);
        connect(shortcut, &QShortcut::activated, this, [form, step] { form->switchTab(step); });
    };
    switches(Qt::CTRL | Qt::Key_Tab, 1);
    switches(Qt::CTRL | Qt::Key_PageDown, 1);
    // Shift+Tab arrives as Backtab.
    switches(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1);
    switches(Qt::CTRL | Qt::Key_PageUp, -1);
}

void MainWindow::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    form_->FormShow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (developerPanel_)
        developerPanel_->close();
    event->accept();
}

// --- TForm1View

void MainWindow::showFiles(FileListId list, const calc::TextList& names, int selectedRow) {
    if (list == FileListId::FileListBox1)
        FileListBox1->showFiles(qtTexts(names), selectedRow);
    else if (developerPanel_)
        developerPanel_->FileListBox2->showFiles(qtTexts(names), selectedRow);
}

void MainWindow::showText(FieldId field, const calc::Text& text) {
    switch (field) {
        case FieldId::INF_cena_kategorie:
            showFieldText(INF_cena_kategorie, text);
            break;
        case FieldId::INF_celkova_cena:
            showFieldText(INF_celkova_cena, text);
            break;
        case FieldId::Label5:
            if (developerPanel_)
                developerPanel_->Label5->setText(qtText(text));
            break;
    }
}

void MainWindow::enableButton(ButtonId button, bool enabled) {
    switch (button) {
        case ButtonId::Button15:
            Button15->setEnabled(enabled);
            break;
        case ButtonId::Button16:
            Button16->setEnabled(enabled);
            break;
        case ButtonId::Button14:
            if (developerPanel_)
                developerPanel_->Button14->setEnabled(enabled);
            break;
    }
}

void MainWindow::chooseRadio(RadioGroupId group, int itemIndex) {
    switch (group) {
        case RadioGroupId::RadioGroup2:
            RadioGroup2->setItemIndex(itemIndex);
            break;
        case RadioGroupId::RadioGroup3:
            RadioGroup3->setItemIndex(itemIndex);
            break;
        case RadioGroupId::RadioGroup1:
            if (developerPanel_)
                developerPanel_->RadioGroup1->setItemIndex(itemIndex);
            break;
    }
}

void MainWindow::showTabs(int shownTab, int highlightedTab) {
    showingTab_ = true;
    PageControl1->setCurrentIndex(shownTab);
    showingTab_ = false;
    HighlightTabBar* bar = PageControl1->highlightTabBar();
    for (int index = 0; index < bar->count(); ++index)
        bar->setHighlighted(index, index == highlightedTab);
}

void MainWindow::showTable(std::size_t table, const calc::TextGrid& grid) {
    if (table < models_.size())
        models_[table]->show(grid);
    else if (table == kPriceListTable && developerPanel_)
        developerPanel_->priceListModel->show(grid);
}

void MainWindow::watchFolder(const calc::Text& folder) {
    folderWatcher_->watch(qtText(folder));
}

void MainWindow::showMessage(const std::u16string& text, MessageKind kind) {
    if (messageSink_) {
        messageSink_(qtText(text));
        return;
    }
    QMessageBox box(messageIcon(kind), kApplicationTitle.toString(), qtText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void MainWindow::openDeveloperPanel() {
    if (!developerPanel_) {
        developerPanel_ = new DeveloperPanel(this);
        developerPanel_->setFont(font());
        connectDeveloperPanel(*developerPanel_);
    }
    if (!developerPanel_->isVisible())
        placeDeveloperPanel();
    developerPanel_->show();
    developerPanel_->raise();
    developerPanel_->activateWindow();
}

void MainWindow::placeDeveloperPanel() {
    const QScreen* screen = this->screen();
    if (screen == nullptr)
        return;
    // Before it is first shown the panel has no frame yet: it will get one
    // like the main window's.
    const QMargins frame(geometry().left() - frameGeometry().left(),
                         geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(),
                         frameGeometry().bottom() - geometry().bottom());
    developerPanel_->adjustSize();
    const QSize panel = developerPanel_->size().grownBy(frame);
    const PanelPlaces places = placeBeside(screenRect(frameGeometry()), panel.width(),
                                           panel.height(), screenRect(screen->availableGeometry()));
    move(places.main.x, places.main.y);
    developerPanel_->move(places.panel.x, places.panel.y);
}

DeveloperPanel* MainWindow::developerPanel() const {
    return developerPanel_;
}

void MainWindow::closeWindow() {
    close();
}

void MainWindow::connectDeveloperPanel(DeveloperPanel& panel) {
    TForm1* form = form_.get();
    const auto runs = [this, form](QPushButton* button, void (TForm1::*handler)()) {
        connect(button, &QPushButton::clicked, this, [form, handler] { (form->*handler)(); });
    };
    runs(panel.Button2, &TForm1::Button2Click);
    runs(panel.Button3, &TForm1::Button3Click);
    runs(panel.Button4, &TForm1::Button4Click);
    runs(panel.Button5, &TForm1::Button5Click);
    runs(panel.Button6, &TForm1::Button6Click);
    runs(panel.Button7, &TForm1::Button7Click);
    runs(panel.Button8, &TForm1::Button8Click);
    runs(panel.Button9, &TForm1::Button9Click);
    runs(panel.Button10, &TForm1::Button10Click);
    runs(panel.Button11, &TForm1::Button11Click);
    runs(panel.Button12, &TForm1::Button12Click);
    runs(panel.Button13, &TForm1::Button13Click);
    runs(panel.Button14, &TForm1::Button14Click);
    runs(panel.Button17, &TForm1::Button17Click);
    runs(panel.Button18, &TForm1::Button18Click);
    runs(panel.Button19, &TForm1::Button19Click);
    runs(panel.Button20, &TForm1::Button20Click);
    runs(panel.Button21, &TForm1::Button21Click);
    runs(panel.Button22, &TForm1::Button22Click);
    runs(panel.Button23, &TForm1::Button23Click);
    connect(panel.FileListBox2, &FileListBox::picked, this,
            [form](int row) { form->FileListBox2Click(row); });
    connect(panel.RadioGroup1, &RadioGroup::choiceChanged, this,
            [form](int index) { form->RadioGroup1Click(index); });
}

}  // namespace ek::app
