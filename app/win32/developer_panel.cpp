#include "app/win32/developer_panel.h"

#include <array>

#include "app/panel_placement.h"
#include "app/win32/dpi.h"
#include "app/win32/main_window_layout.h"
#include "app/win32/wide_text.h"
#include "app/win32/window_class.h"
#include "app/win32/window_font.h"

namespace ek::app::win32 {

namespace {

constexpr wchar_t kClassName[] = L"EkDeveloperPanel";
constexpr wchar_t kTitle[] = L"Vývojářské funkce";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

// Ids: a developer button's is 1000 + its number (Button14: 1014).
constexpr int kButtonIdBase = 1000;
constexpr int kFileListBox2Id = 1100;
constexpr int kRadioGroup1FirstId = 1201;  // the group box 1200
constexpr int kStringGrid8Id = 1300;
constexpr int kLabel5Id = 1301;
constexpr int kPriceListsLabelId = 1302;
constexpr int kColumnBoxFirstId = 1400;

// The layout at 96 dots per inch: four columns of controls in group boxes,
// the price list table below them.
constexpr int kMargin = 8;
constexpr int kButtonWidth = 150;
constexpr int kButtonHeight = 25;
constexpr int kButtonStep = 29;
constexpr int kBoxCaption = 20;  // from a group box's top to its first control
constexpr int kPanelWidth = 809;
constexpr int kPanelHeight = 538;
constexpr Box kReadingColumn{8, 8, 166, 144};
constexpr Box kCategoriesColumn{182, 8, 166, 314};
constexpr Box kPriceListsColumn{356, 8, 201, 250};
constexpr Box kHandOffColumn{565, 8, 236, 254};
constexpr Box kFileListBox2{364, 44, 185, 113};
constexpr Box kPriceListsLabel{364, 28, 60, 13};
constexpr Box kRadioGroup1{573, 115, 220, 105};
constexpr Box kLabel5{573, 226, 220, 26};
constexpr Box kStringGrid8{8, 330, 793, 200};

struct DeveloperButton {
    int number;
    const wchar_t* caption;
    void (TForm1::*click)();
};

constexpr std::array kReadingButtons{
    DeveloperButton{2, L"Složka pro kalkulace", &TForm1::Button2Click},
    DeveloperButton{3, L"Kalkulace do seznamu", &TForm1::Button3Click},
    DeveloperButton{4, L"Seznam do tabulky", &TForm1::Button4Click},
    DeveloperButton{10, L"Button10", &TForm1::Button10Click},
};
constexpr std::array kCategoryButtons{
    DeveloperButton{7, L"Kategorie", &TForm1::Button7Click},
    DeveloperButton{8, L"Najít kategorii", &TForm1::Button8Click},
    DeveloperButton{5, L"Rostliny", &TForm1::Button5Click},
    DeveloperButton{6, L"Zahrada", &TForm1::Button6Click},
    DeveloperButton{9, L"Stavba", &TForm1::Button9Click},
    DeveloperButton{11, L"Bazén", &TForm1::Button11Click},
    DeveloperButton{12, L"Voda", &TForm1::Button12Click},
    DeveloperButton{13, L"Terén", &TForm1::Button13Click},
    DeveloperButton{22, L"Třídění rostlin", &TForm1::Button22Click},
    DeveloperButton{23, L"Button23", &TForm1::Button23Click},
};
constexpr std::array kPriceListButtons{
    DeveloperButton{19, L"Čtení ceníku", &TForm1::Button19Click},
    DeveloperButton{20, L"Převod do tabulky", &TForm1::Button20Click},
    DeveloperButton{21, L"Záznam nového ceníku", &TForm1::Button21Click},
};
constexpr std::array kHandOffButtons{
    DeveloperButton{14, L"Otevřít v OpenOffice", &TForm1::Button14Click},
    DeveloperButton{17, L"Kopírovat soubor", &TForm1::Button17Click},
    DeveloperButton{18, L"Najit složku Document", &TForm1::Button18Click},
};

template <std::size_t Count>
void addButtons(HWND parent, Placements& placements,
                const std::array<DeveloperButton, Count>& buttons, int left, int top) {
    for (const DeveloperButton& button : buttons) {
        placements.add(createChild(parent, L"BUTTON", button.caption, BS_PUSHBUTTON | WS_TABSTOP,
                                   kButtonIdBase + button.number),
                       Box{left, top, kButtonWidth, kButtonHeight}, Fit::ShrinkText);
        top += kButtonStep;
    }
}

HWND addColumnBox(HWND parent, Placements& placements, int index, const wchar_t* caption,
                  const Box& box) {
    return placements.add(
        createChild(parent, L"BUTTON", caption, BS_GROUPBOX | WS_GROUP, kColumnBoxFirstId + index),
        box);
}

// The handler of a developer button's id, or nullptr.
void (TForm1::*buttonClick(int id))() {
    const auto find = [id](const auto& buttons) -> void (TForm1::*)() {
        for (const DeveloperButton& button : buttons) {
            if (kButtonIdBase + button.number == id)
                return button.click;
        }
        return nullptr;
    };
    if (auto click = find(kReadingButtons))
        return click;
    if (auto click = find(kCategoryButtons))
        return click;
    if (auto click = find(kPriceListButtons))
        return click;
    return find(kHandOffButtons);
}

}  // namespace

DeveloperPanel::DeveloperPanel(HWND owner) {
    registerWindowClass(kClassName, &objectWindowProcedure<DeveloperPanel>);
    window_.reset(::CreateWindowExW(0, kClassName, kTitle, kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                    ::GetModuleHandleW(nullptr), this));
    createControls();
    applyDpi(windowDpi(window_.get()));
}

void DeveloperPanel::createControls() {
    const HWND panel = window_.get();
    addColumnBox(panel, placements_, 0, L"Čtení", kReadingColumn);
    addButtons(panel, placements_, kReadingButtons, kReadingColumn.left + kMargin,
               kReadingColumn.top + kBoxCaption);

    addColumnBox(panel, placements_, 1, L"Kategorie", kCategoriesColumn);
    addButtons(panel, placements_, kCategoryButtons, kCategoriesColumn.left + kMargin,
               kCategoriesColumn.top + kBoxCaption);

    addColumnBox(panel, placements_, 2, L"", kPriceListsColumn);
    placements_.add(createChild(panel, L"STATIC", L"Ceníky", SS_LEFTNOWORDWRAP | SS_NOPREFIX,
                                kPriceListsLabelId),
                    kPriceListsLabel);
    FileListBox2_ = std::make_unique<FileList>(panel, kFileListBox2Id, [this](int row) {
        if (form_ != nullptr)
            form_->FileListBox2Click(row);
    });
    placements_.add(FileListBox2_->handle(), kFileListBox2);
    addButtons(panel, placements_, kPriceListButtons, kPriceListsColumn.left + kMargin,
               kFileListBox2.bottom() + 6);

    addColumnBox(panel, placements_, 3, L"Tabulkové programy", kHandOffColumn);
    addButtons(panel, placements_, kHandOffButtons, kHandOffColumn.left + kMargin,
               kHandOffColumn.top + kBoxCaption);
    Button14_ = ::GetDlgItem(panel, kButtonIdBase + 14);
    RadioGroup1_ = std::make_unique<RadioGroup>(
        panel, kRadioGroup1FirstId, L"RadioGroup1",
        std::initializer_list<std::wstring_view>{
            L"[Currenty User]\\My Documents", L"All Users\\Application Data",
            L"[User Specific]\\Application Data", L"Program Files", L"All Users\\Documents"},
        1, kRadioGroup1, placements_, [this](int index) {
            if (form_ != nullptr)
                form_->RadioGroup1Click(index);
        });
    // Read-only edit rather than a static label: the probed path can be copied.
    Label5_ = placements_.add(
        createChild(panel, L"EDIT", L"", ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP, kLabel5Id),
        kLabel5);

    StringGrid8_ = std::make_unique<CategoryTable>(panel, kStringGrid8Id, kPriceListShape);
    placements_.add(StringGrid8_->handle(), kStringGrid8);
}

void DeveloperPanel::applyDpi(unsigned dpi) {
    auto fonts = std::make_unique<FontSet>(dpi);
    setFontOfChildren(window_.get(), fonts->font());
    placements_.apply(*fonts);
    FileListBox2_->setItemHeight(scaled(kFileItemHeight, dpi));
    StringGrid8_->applyDpi(dpi);
    // The old fonts go only now that no control uses them any more.
    fonts_ = std::move(fonts);
    const SIZE frame =
        frameSizeFor(scaled(kPanelWidth, dpi), scaled(kPanelHeight, dpi), kStyle, 0, dpi);
    ::SetWindowPos(window_.get(), nullptr, 0, 0, frame.cx, frame.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DeveloperPanel::open() {
    const HWND panel = window_.get();
    if (!::IsWindowVisible(panel))
        placeBesideOwner();
    ::ShowWindow(panel, SW_SHOW);
    ::SetForegroundWindow(panel);
}

void DeveloperPanel::placeBesideOwner() const {
    const HWND panel = window_.get();
    const HWND owner = ::GetWindow(panel, GW_OWNER);
    RECT frame{};
    RECT ownerFrame{};
    ::GetWindowRect(panel, &frame);
    ::GetWindowRect(owner, &ownerFrame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoW(::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const auto rect = [](const RECT& r) {
        return ScreenRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    };
    const PanelPlaces places = placeBeside(rect(ownerFrame), frame.right - frame.left,
                                           frame.bottom - frame.top, rect(monitor.rcWork));
    ::SetWindowPos(owner, nullptr, places.main.x, places.main.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowPos(panel, nullptr, places.panel.x, places.panel.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void DeveloperPanel::showFiles(const calc::TextList& names, int selectedRow) {
    FileListBox2_->show(names, selectedRow);
}

void DeveloperPanel::enableButton14(bool enabled) {
    ::EnableWindow(Button14_, enabled ? TRUE : FALSE);
}

void DeveloperPanel::chooseRadio(int itemIndex) {
    RadioGroup1_->choose(itemIndex);
}

void DeveloperPanel::showLabel5(const calc::Text& text) {
    ::SetWindowTextW(Label5_, wide(text).c_str());
}

void DeveloperPanel::showPriceList(const calc::TextGrid& grid) {
    StringGrid8_->show(grid);
}

void DeveloperPanel::onCommand(int id, int code) {
    if (form_ == nullptr)
        return;
    if (id == kFileListBox2Id) {
        if (code == LBN_SELCHANGE)
            FileListBox2_->selectionChanged();
        return;
    }
    if (RadioGroup1_->handleCommand(id, code))
        return;
    if (code == BN_CLICKED) {
        if (const auto click = buttonClick(id))
            (form_->*click)();
    }
}

LRESULT DeveloperPanel::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            onCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (StringGrid8_ &&
                StringGrid8_->handleNotify(*reinterpret_cast<NMHDR*>(lParam), result))
                return result;
            break;
        }
        case WM_CLOSE:
            // Closing only hides it: Ctrl+Shift+D shows it again as it was.
            ::ShowWindow(window_.get(), SW_HIDE);
            return 0;
        case WM_DPICHANGED: {
            applyDpi(HIWORD(wParam));
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            ::SetWindowPos(window_.get(), nullptr, suggested.left, suggested.top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        default:
            break;
    }
    return ::DefWindowProcW(window_.get(), message, wParam, lParam);
}

}  // namespace ek::app::win32
