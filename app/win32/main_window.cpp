#include "app/win32/main_window.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "app/win32/dpi.h"
#include "app/win32/keyboard_shortcuts.h"
#include "app/win32/main_window_layout.h"
#include "app/win32/message_box.h"
#include "app/win32/resource_ids.h"
#include "app/win32/wide_text.h"
#include "app/win32/window_class.h"
#include "app/win32/window_font.h"

namespace ek::app::win32 {

namespace {

constexpr wchar_t kClassName[] = L"EkExportKalkulace";
constexpr wchar_t kTitle[] = L"Export kalkulace pro VDG2016";
// A fixed dialog frame with the system menu and the close box only.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// Between a figure field's frame and its text, at 96 dots per inch; and the
// caret after the text.
constexpr int kFigureMargin = 2;
constexpr int kCaretWidth = 1;

// Posted when the window is first shown: FormShow runs once the window is
// on screen, outside the message that showed it.
constexpr UINT kFirstShownMessage = WM_APP + 1;

std::vector<std::u16string_view> tabCaptions() {
    std::vector<std::u16string_view> captions;
    for (const calc::Category& category : calc::kCategories)
        captions.push_back(category.tabCaption);
    return captions;
}

// Disables a window for the owner's lifetime (a message box owned by the
// other window thus stays modal for the whole program).
class DisabledWindow {
  public:
    explicit DisabledWindow(HWND window)
        : window_(window), wasEnabled_(window != nullptr && ::IsWindowEnabled(window)) {
        if (wasEnabled_)
            ::EnableWindow(window_, FALSE);
    }
    DisabledWindow(const DisabledWindow&) = delete;
    DisabledWindow& operator=(const DisabledWindow&) = delete;
    ~DisabledWindow() {
        if (wasEnabled_)
            ::EnableWindow(window_, TRUE);
    }

  private:
    HWND window_;
    bool wasEnabled_;
};

}  // namespace

MainWindow::MainWindow() {
    registerWindowClass(kClassName, &objectWindowProcedure<MainWindow>);
    window_.reset(::CreateWindowExW(kExStyle, kClassName, kTitle, kStyle, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), this));
    shortcuts_ = makeMainWindowShortcuts();
    createControls();
    createTabs();
    developerPanel_ = std::make_unique<DeveloperPanel>(window_.get());
    applyDpi(windowDpi(window_.get()));
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls() {
    const HWND window = window_.get();
    placements_.add(createChild(window, L"STATIC", L"Seznam kalkulací",
                                SS_LEFTNOWORDWRAP | SS_NOPREFIX, kLabel1Id),
                    kLabel1, Fit::GrowToText);
    FileListBox1_ = std::make_unique<FileList>(
        window, kFileListBox1Id,
        [this](int row) {
            if (form_ != nullptr)
                form_->FileListBox1Click(row);
        },
        [this](int virtualKey) {
            return form_ != nullptr && form_->FileListBox1KeyDown(virtualKey);
        });
    placements_.add(FileListBox1_->handle(), kFileListBox1);
    Label3_ = placements_.add(
        createChild(window, L"STATIC", L"Dílčí součet", SS_LEFTNOWORDWRAP | SS_NOPREFIX, kLabel3Id),
        kLabel3, Fit::GrowToText);
    INF_cena_kategorie_ =
        placements_.add(createChild(window, L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP, kSubtotalId,
                                    WS_EX_CLIENTEDGE),
                        kSubtotalField);
    Label4_ = placements_.add(
        createChild(window, L"STATIC", L"Celková cena", SS_LEFTNOWORDWRAP | SS_NOPREFIX, kLabel4Id),
        kLabel4, Fit::GrowToText);
    INF_celkova_cena_ = placements_.add(
        createChild(window, L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP, kTotalId, WS_EX_CLIENTEDGE),
        kTotalField);
    Button15_ = placements_.add(
        createChild(window, L"BUTTON", L"Export XLS", BS_PUSHBUTTON | WS_TABSTOP, kButton15Id),
        kButton15, Fit::ShrinkText);
    Button16_ = placements_.add(createChild(window, L"BUTTON", L"Otevřít v MS Excel",
                                            BS_PUSHBUTTON | WS_TABSTOP, kButton16Id),
                                kButton16, Fit::ShrinkText);
    // Unchecked at every start: the tool keeps no settings.
    placements_.add(createChild(window, L"BUTTON", L"Částky jako čísla",
                                BS_AUTOCHECKBOX | WS_TABSTOP, kCheckBox1Id),
                    kCheckBox1);
    placements_.add(
        createChild(window, L"BUTTON", L"Zavřít", BS_PUSHBUTTON | WS_TABSTOP, kButton1Id), kButton1,
        Fit::ShrinkText);
    RadioGroup2_ = std::make_unique<RadioGroup>(
        window, kRadioGroup2FirstId, L"Název rostlin",
        std::initializer_list<std::wstring_view>{L"první", L"druhý", L"oba"}, 3, kRadioGroup2,
        placements_, [this](int index) {
            if (form_ != nullptr)
                form_->RadioGroup2Click(index);
        });
    RadioGroup3_ = std::make_unique<RadioGroup>(
        window, kRadioGroup3FirstId, L"Verze programu",
        std::initializer_list<std::wstring_view>{L"zkuš. verze", L"plná verze"}, 2, kRadioGroup3,
        placements_, [this](int index) {
            if (form_ != nullptr)
                form_->RadioGroup3Click(index);
        });
    figureTips_ = std::make_unique<ToolTips>(window);
    figureTips_->addControl(INF_cena_kategorie_);
    figureTips_->addControl(INF_celkova_cena_);
}

void MainWindow::createTabs() {
    // The tables before the tab control: above it in the z-order, so that
    // they are drawn on its page, and after the radio groups for the Tab key.
    for (std::size_t index = 0; index < tables_.size(); ++index)
        tables_[index] = std::make_unique<CategoryTable>(
            window_.get(), kFirstTableId + static_cast<int>(index), kCategoryTables[index]);
    PageControl1_ = std::make_unique<HighlightTabs>(window_.get(), kPageControl1Id, tabCaptions());
    placements_.add(PageControl1_->handle(), kPageControl1);
    showOnlyTable(0);
}

void MainWindow::applyDpi(unsigned dpi) {
    dpi_ = dpi;
    auto fonts = std::make_unique<FontSet>(dpi);
    setFontOfChildren(window_.get(), fonts->font());
    placements_.apply(*fonts);
    // After the font, which sets the list box's item height to its own.
    FileListBox1_->setItemHeight(scaled(kFileItemHeight, dpi));
    PageControl1_->setFonts(*fonts);
    placeTables(dpi);
    // The old fonts go only now that no control uses them any more.
    fonts_ = std::move(fonts);
    fitFigure(INF_cena_kategorie_);
    fitFigure(INF_celkova_cena_);
    alignLabels();
    const SIZE frame =
        frameSizeFor(scaled(kClientWidth, dpi), scaled(kClientHeight, dpi), kStyle, kExStyle, dpi);
    ::SetWindowPos(window_.get(), nullptr, 0, 0, frame.cx, frame.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::placeTables(unsigned dpi) {
    // The tables stand on the tab's page, whose place depends on the height
    // of the tab row.
    const RECT page = PageControl1_->pageArea();
    for (std::size_t index = 0; index < tables_.size(); ++index) {
        const TableShape& shape = kCategoryTables[index];
        const Box box = scaled(Box{0, 0, kTableWidth, shape.height}, dpi);
        ::SetWindowPos(tables_[index]->handle(), nullptr, page.left + scaled(shape.left, dpi),
                       page.top + scaled(kTableTop, dpi), box.width, box.height,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        tables_[index]->applyDpi(dpi);
    }
}

void MainWindow::fitFigure(HWND field) {
    const std::wstring text = windowText(field);
    const int margin = scaled(kFigureMargin, dpi_);
    RECT client{};
    ::GetClientRect(field, &client);
    // The field scrolls a text that leaves no pixel for the caret after it.
    const int room = client.right - 2 * margin - kCaretWidth;
    const HFONT font = fonts_->fittingFont(text, room);
    if (reinterpret_cast<HFONT>(::SendMessageW(field, WM_GETFONT, 0, 0)) != font)
        ::SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    // A new font brings margins of its own: the room above holds only with these.
    ::SendMessageW(field, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                   MAKELPARAM(margin, margin));
    // Scrolled back to the start, where a text that fits stands; a user
    // typing keeps the caret.
    if (::GetFocus() != field)
        ::SendMessageW(field, EM_SETSEL, 0, 0);
}

void MainWindow::alignLabels() const {
    // A label's text stands where its field's text stands: on one line.
    const HWND window = window_.get();
    for (const auto& [label, field] :
         {std::pair{Label3_, INF_cena_kategorie_}, std::pair{Label4_, INF_celkova_cena_}}) {
        RECT text{};
        ::SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
        ::MapWindowPoints(field, window, reinterpret_cast<POINT*>(&text), 2);
        RECT place{};
        ::GetWindowRect(label, &place);
        ::MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&place), 2);
        ::SetWindowPos(label, nullptr, place.left, text.top, place.right - place.left,
                       place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void MainWindow::showOnlyTable(int tab) {
    for (std::size_t index = 0; index < tables_.size(); ++index)
        ::ShowWindow(tables_[index]->handle(),
                     static_cast<int>(index) == tab ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::attach(TForm1& form) {
    form_ = &form;
    developerPanel_->attach(form);
    form.FormCreate();
}

void MainWindow::show(int showCommand) {
    RECT frame{};
    ::GetWindowRect(window_.get(), &frame);
    const POINT corner =
        centredOnMonitor(window_.get(), SIZE{frame.right - frame.left, frame.bottom - frame.top});
    ::SetWindowPos(window_.get(), nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    // The program is started to show this window: a hidden or minimised
    // start makes no sense for it.
    ::ShowWindow(window_.get(), showCommand == SW_SHOWMAXIMIZED ? SW_SHOWNORMAL : showCommand);
    ::UpdateWindow(window_.get());
}

bool MainWindow::translateMessage(MSG& message) {
    const HWND window = window_.get();
    if (window == nullptr)
        return false;
    if (shortcuts_ && (message.hwnd == window || ::IsChild(window, message.hwnd)) &&
        ::TranslateAcceleratorW(window, shortcuts_.get(), &message))
        return true;
    const HWND panel = developerPanel_->handle();
    if (panel != nullptr && (message.hwnd == panel || ::IsChild(panel, message.hwnd)))
        return ::IsDialogMessageW(panel, &message) != FALSE;
    return ::IsDialogMessageW(window, &message) != FALSE;
}

void MainWindow::folderChanged() {
    if (form_ != nullptr)
        form_->materialFolderChanged();
}

// --- What TForm1 shows

void MainWindow::showFiles(FileListId list, const calc::TextList& names, int selectedRow) {
    if (list == FileListId::FileListBox1)
        FileListBox1_->show(names, selectedRow);
    else
        developerPanel_->showFiles(names, selectedRow);
}

void MainWindow::showText(FieldId field, const calc::Text& text) {
    if (field == FieldId::Label5) {
        developerPanel_->showLabel5(text);
        return;
    }
    const HWND control =
        field == FieldId::INF_cena_kategorie ? INF_cena_kategorie_ : INF_celkova_cena_;
    const std::wstring shown = wide(text);
    // The same text is not set again: the cursor of a user typing stays.
    if (windowText(control) == shown)
        return;
    settingText_ = true;
    ::SetWindowTextW(control, shown.c_str());
    fitFigure(control);
    settingText_ = false;
}

void MainWindow::enableButton(ButtonId button, bool enabled) {
    switch (button) {
        case ButtonId::Button15:
            ::EnableWindow(Button15_, enabled ? TRUE : FALSE);
            break;
        case ButtonId::Button16:
            ::EnableWindow(Button16_, enabled ? TRUE : FALSE);
            break;
        case ButtonId::Button14:
            developerPanel_->enableButton14(enabled);
            break;
    }
}

void MainWindow::chooseRadio(RadioGroupId group, int itemIndex) {
    switch (group) {
        case RadioGroupId::RadioGroup1:
            developerPanel_->chooseRadio(itemIndex);
            break;
        case RadioGroupId::RadioGroup2:
            RadioGroup2_->choose(itemIndex);
            break;
        case RadioGroupId::RadioGroup3:
            RadioGroup3_->choose(itemIndex);
            break;
    }
}

void MainWindow::showTabs(int shownTab, int highlightedTab) {
    PageControl1_->show(shownTab, highlightedTab);
    showOnlyTable(shownTab);
}

void MainWindow::showTable(std::size_t table, const calc::TextGrid& grid) {
    if (table < tables_.size())
        tables_[table]->show(grid);
    else if (table == kPriceListTable)
        developerPanel_->showPriceList(grid);
}

void MainWindow::watchFolder(const calc::Text& folder) {
    folderWatch_.watch(wide(folder));
}

void MainWindow::showMessage(const std::u16string& text, MessageKind kind) {
    // Owned by the window in front, the other one disabled meanwhile: modal
    // for the whole program, as a message of the tool should be.
    const HWND window = window_.get();
    const HWND panel = developerPanel_->handle();
    const HWND active = ::GetActiveWindow();
    const HWND owner = active == panel && panel != nullptr ? panel : window;
    const DisabledWindow other(owner == panel ? window : panel);
    ::MessageBoxW(owner, wide(text).c_str(), kTitle, MB_OK | messageBoxIcon(kind));
}

void MainWindow::openDeveloperPanel() {
    developerPanel_->open();
}

void MainWindow::closeWindow() {
    // Posted: the button whose click closes the window is still in its own
    // message handler, which must not find itself destroyed.
    if (window_.valid())
        ::PostMessageW(window_.get(), WM_CLOSE, 0, 0);
}

// --- The user's actions

void MainWindow::fieldEdited(int id) {
    if (settingText_ || form_ == nullptr)
        return;
    const HWND control = id == kSubtotalId ? INF_cena_kategorie_ : INF_celkova_cena_;
    fitFigure(control);
    const std::u16string text = stateText(windowText(control));
    if (id == kSubtotalId)
        form_->INF_cena_kategorieChange(text);
    else
        form_->INF_celkova_cenaChange(text);
}

void MainWindow::onCommand(int id, int code) {
    if (id == EK_COMMAND_DEVELOPER_PANEL || id == EK_COMMAND_NEXT_TAB ||
        id == EK_COMMAND_PREVIOUS_TAB) {
        if (form_ == nullptr)
            return;
        if (id == EK_COMMAND_DEVELOPER_PANEL)
            form_->openDeveloperPanel();
        else
            form_->switchTab(id == EK_COMMAND_NEXT_TAB ? 1 : -1);
        return;
    }
    if (form_ == nullptr)
        return;
    if (RadioGroup2_->handleCommand(id, code) || RadioGroup3_->handleCommand(id, code))
        return;
    switch (id) {
        case kFileListBox1Id:
            if (code == LBN_SELCHANGE)
                FileListBox1_->selectionChanged();
            break;
        case kSubtotalId:
        case kTotalId:
            if (code == EN_CHANGE)
                fieldEdited(id);
            break;
        case kButton15Id:
            if (code == BN_CLICKED)
                form_->Button15Click();
            break;
        case kButton16Id:
            if (code == BN_CLICKED)
                form_->Button16Click();
            break;
        case kButton1Id:
            if (code == BN_CLICKED)
                form_->Button1Click();
            break;
        case kCheckBox1Id:
            if (code == BN_CLICKED)
                form_->CheckBox1Click(::SendMessageW(::GetDlgItem(window_.get(), kCheckBox1Id),
                                                     BM_GETCHECK, 0, 0) == BST_CHECKED);
            break;
        default:
            break;
    }
}

bool MainWindow::onNotify(NMHDR& header, LRESULT& result) {
    if (figureTips_->asksForText(header)) {
        // The whole figure, however small the field draws it.
        figureTips_->answer(header, windowText(reinterpret_cast<HWND>(header.idFrom)));
        result = 0;
        return true;
    }
    if (header.hwndFrom == PageControl1_->handle() && header.code == TCN_SELCHANGE) {
        const int tab = PageControl1_->shownTab();
        showOnlyTable(tab);
        if (form_ != nullptr)
            form_->PageControl1Change(tab);
        result = 0;
        return true;
    }
    for (const auto& table : tables_) {
        if (table->handleNotify(header, result))
            return true;
    }
    return false;
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_.get();
    switch (message) {
        case WM_COMMAND:
            onCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (onNotify(*reinterpret_cast<NMHDR*>(lParam), result))
                return result;
            break;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlType == ODT_TAB && PageControl1_) {
                PageControl1_->drawTab(item);
                return TRUE;
            }
            break;
        }
        case WM_SHOWWINDOW:
            if (wParam != FALSE && !shownOnce_) {
                shownOnce_ = true;
                ::PostMessageW(window, kFirstShownMessage, 0, 0);
            }
            break;
        case kFirstShownMessage:
            if (form_ != nullptr)
                form_->FormShow();
            return 0;
        case WM_DPICHANGED: {
            applyDpi(HIWORD(wParam));
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            ::SetWindowPos(window, nullptr, suggested.left, suggested.top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace ek::app::win32
