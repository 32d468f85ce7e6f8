// The Windows window as it draws, in a Wine virtual desktop: the real
// controls on the bundled samples, measured with the system's own calls (no
// screen reader): every figure whole in its field and in the tables, the
// tables' own measure of their texts, names cut with a tooltip, labels on
// their fields' line, the tab keys and Escape, the developer panel beside
// the window.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>

#include "app/tform1.h"
#include "app/win32/main_window.h"
#include "app/win32/message_box.h"
#include "app/win32/resource_ids.h"
#include "app/win32/wide_text.h"
#include "app/win32/window_font.h"
#include "calc/money.h"
#include "platform/automation.h"
#include "platform/platform.h"
#include "support/host_path.h"
#include "support/scratch_folder.h"

namespace ek::app::win32 {
namespace {

namespace fs = std::filesystem;
using test::ScratchFolder;

constexpr wchar_t kLongName[] = L"Zahradní pavilon s kamennou podezdívkou a měděnou střechou";

std::wstring shownFigure(std::int64_t hundredths) {
    return wide(u" " + calc::formatMoney(hundredths, u','));
}

// The material list of one pavilion for 257 720 024,00 beside a plant: a
// total of 257 724 774,00, once shown cut to "257724 774".
platform::Bytes largeProject() {
    const std::u16string text =
        u"\uFEFFVelká zahrada\r\nRostliny projektu zahrady\r\nJavor babyka\t3\t1\u00A0250,00 "
        u"Kč\t3\u00A0750,00 Kč\r\nOstatní objekty zahrady\r\n" +
        stateText(kLongName) +
        u"\t1\t257\u00A0720\u00A0024,00 Kč\t257\u00A0720\u00A0024,00 Kč\r\nLavička\t2\t500,00 "
        u"Kč\t1\u00A0000,00 Kč\r\nKonec\r\n";
    platform::Bytes bytes;
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

RECT windowRect(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

int textWidthIn(HWND control, const std::wstring& text) {
    return textWidth(text, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
}

// The text the window gives `tips` when it asks for the tip over `control`.
std::wstring toolTipOver(HWND window, HWND tips, HWND control) {
    NMTTDISPINFOW request{};
    request.hdr.hwndFrom = tips;
    request.hdr.idFrom = reinterpret_cast<UINT_PTR>(control);
    request.hdr.code = TTN_GETDISPINFOW;
    request.uFlags = TTF_IDISHWND;
    ::SendMessageW(window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    return request.lpszText != nullptr ? request.lpszText : L"";
}

class DesktopWindowTest : public ::testing::Test {
  protected:
    DesktopWindowTest() {
        const fs::path samples(platform::toUtf8(test::hostPath(EK_SOURCE_DIR)) +
                               "/samples/Documents");
        fs::copy(samples, fs::path(wide(folder_ / u"Documents")), fs::copy_options::recursive);
        folder_.writeFile(u"Documents\\Verdigo 2016\\Material Lists\\Velká zahrada.txt",
                          largeProject());
        platform::SystemPlatformOptions options;
        options.documentsFolder = folder_ / u"Documents";
        system_ = platform::makeSystemPlatform(std::move(options));
        start_ = system_->currentDirectory();
        form_ = std::make_unique<TForm1>(*system_, automation_, u',', window_);
        window_.attach(*form_);
        window_.show(SW_SHOWNORMAL);
        pump();
    }
    ~DesktopWindowTest() override { system_->setCurrentDirectory(start_); }

    // Handles the messages waiting, as the message loop does.
    void pump() {
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!window_.translateMessage(message)) {
                ::TranslateMessage(&message);
                ::DispatchMessageW(&message);
            }
        }
    }

    // A key pressed in `control`, with Ctrl (and Shift) held down.
    void press(HWND control, WPARAM key, bool control_, bool shift) {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_CONTROL] = control_ ? 0x80 : 0;
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        ::SetKeyboardState(keys);
        MSG message{control, WM_KEYDOWN, key, 1, 0, {}};
        if (!window_.translateMessage(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
        ::SetKeyboardState(keys);
        pump();
    }

    void readLargeProject() {
        const HWND list = window_.control(MainWindow::kFileListBox1Id);
        const int row =
            static_cast<int>(::SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>(L"Velká zahrada.txt")));
        ASSERT_GE(row, 0);
        form_->FileListBox1Click(row);
        form_->PageControl1Change(1);
        pump();
    }

    HWND field(int id) const { return window_.control(id); }

    ScratchFolder folder_;
    std::unique_ptr<platform::Platform> system_;
    platform::Path start_;
    platform::Automation automation_;
    MainWindow window_;
    std::unique_ptr<TForm1> form_;
};

TEST_F(DesktopWindowTest, EveryTotalIsShownWholeInBothFieldsWithItsTooltip) {
    readLargeProject();
    constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();
    ASSERT_EQ(windowText(field(MainWindow::kTotalId)), shownFigure(25772477400));
    for (const int id : {MainWindow::kTotalId, MainWindow::kSubtotalId}) {
        for (const std::int64_t figure : {std::int64_t{25772477400}, kLargest, -kLargest}) {
            const std::wstring text = shownFigure(figure);
            SCOPED_TRACE(platform::toUtf8(stateText(text)));
            window_.showText(id == MainWindow::kTotalId ? FieldId::INF_celkova_cena
                                                        : FieldId::INF_cena_kategorie,
                             stateText(text));
            pump();
            EXPECT_EQ(windowText(field(id)), text);
            EXPECT_EQ(toolTipOver(window_.handle(), window_.figureTips(), field(id)), text);
            // The field's own room for text (its formatting rectangle), with
            // a pixel for the caret.
            RECT room{};
            ::SendMessageW(field(id), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
            EXPECT_LT(textWidthIn(field(id), text), room.right - room.left);
            // Scrolled to nothing: the first character is at the left.
            const LRESULT first = ::SendMessageW(field(id), EM_POSFROMCHAR, 0, 0);
            EXPECT_EQ(static_cast<short>(LOWORD(first)), room.left);
        }
    }
    // A short figure in the window's size.
    window_.showText(FieldId::INF_celkova_cena, u"0,00");
    HFONT font =
        reinterpret_cast<HFONT>(::SendMessageW(field(MainWindow::kTotalId), WM_GETFONT, 0, 0));
    LOGFONTW shown{};
    ::GetObjectW(font, sizeof shown, &shown);
    LOGFONTW normal{};
    ::GetObjectW(reinterpret_cast<HFONT>(
                     ::SendMessageW(window_.control(MainWindow::kLabel1Id), WM_GETFONT, 0, 0)),
                 sizeof normal, &normal);
    EXPECT_EQ(shown.lfHeight, normal.lfHeight);
}

// The list view calls in their wide forms (this file is compiled without
// UNICODE, which picks the macros' forms).
LVCOLUMNW columnOf(HWND list, int column, wchar_t* text = nullptr, int capacity = 0) {
    LVCOLUMNW format{};
    format.mask = LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM | (text != nullptr ? LVCF_TEXT : 0);
    format.pszText = text;
    format.cchTextMax = capacity;
    ::SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                   reinterpret_cast<LPARAM>(&format));
    return format;
}

std::wstring cellText(HWND list, int row, int column) {
    wchar_t text[256] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 256;
    ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
    return text;
}

// What the list view itself finds a column needs (LVSCW_AUTOSIZE_USEHEADER)
// for the texts of `column` in `table`, measured in a list of its own.
int autosizeWidth(HWND table, int column) {
    const HWND probe = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT, 0, 0, 800,
                                         300, ::GetParent(table), nullptr, nullptr, nullptr);
    ::SendMessageW(probe, WM_SETFONT, ::SendMessageW(table, WM_GETFONT, 0, 0), FALSE);
    // One column more: the last one would be widened to the list's edge.
    for (int index = 0; index <= column + 1; ++index) {
        wchar_t header[128] = {};
        LVCOLUMNW format = columnOf(table, index, header, 128);
        format.cx = 50;
        ::SendMessageW(probe, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                       reinterpret_cast<LPARAM>(&format));
    }
    const int rows = ListView_GetItemCount(table);
    for (int row = 0; row < rows; ++row) {
        std::wstring text = cellText(table, row, column);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(L"");
        ::SendMessageW(probe, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = column;
        item.pszText = text.data();
        ::SendMessageW(probe, LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                       reinterpret_cast<LPARAM>(&item));
    }
    ListView_SetColumnWidth(probe, column, LVSCW_AUTOSIZE_USEHEADER);
    const int width = ListView_GetColumnWidth(probe, column);
    ::DestroyWindow(probe);
    return width;
}

TEST_F(DesktopWindowTest, TableFiguresAreRightAlignedAndWholeAndLongNamesHaveATooltip) {
    readLargeProject();
    const HWND garden = window_.control(MainWindow::kFirstTableId + 1);
    ASSERT_EQ(ListView_GetItemCount(garden), 3);
    for (int column = 1; column < 5; ++column) {
        SCOPED_TRACE(column);
        const LVCOLUMNW format = columnOf(garden, column);
        EXPECT_EQ(format.fmt & LVCFMT_JUSTIFYMASK, column >= 2 ? LVCFMT_RIGHT : LVCFMT_LEFT);
        if (column >= 2) {
            EXPECT_GE(ListView_GetColumnWidth(garden, column), autosizeWidth(garden, column));
        }
    }
    // The name column gave up room, but not below its floor, and the whole
    // table stays in its width.
    const int name = ListView_GetColumnWidth(garden, 1);
    EXPECT_LT(name, autosizeWidth(garden, 1));
    EXPECT_GE(name, 120);
    int total = 0;
    for (int column = 0; column < 5; ++column)
        total += ListView_GetColumnWidth(garden, column);
    RECT client{};
    ::GetClientRect(garden, &client);
    EXPECT_LE(total, client.right);
    EXPECT_EQ(window_.table(1).toolTipOf(0, 1), kLongName);
    EXPECT_EQ(window_.table(1).toolTipOf(1, 1), L"");
    EXPECT_EQ(window_.table(1).toolTipOf(0, 4), L"");
}

TEST_F(DesktopWindowTest, LabelsStandOnTheLineOfTheirFieldsTextAndTheButtonsApart) {
    for (const auto& [label, id] : {std::pair{MainWindow::kLabel3Id, MainWindow::kSubtotalId},
                                    std::pair{MainWindow::kLabel4Id, MainWindow::kTotalId}}) {
        RECT text{};
        ::SendMessageW(field(id), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
        ::MapWindowPoints(field(id), HWND_DESKTOP, reinterpret_cast<POINT*>(&text), 2);
        EXPECT_EQ(windowRect(window_.control(label)).top, text.top) << label;
    }
    EXPECT_LT(windowRect(window_.control(MainWindow::kButton15Id)).right,
              windowRect(window_.control(MainWindow::kButton16Id)).left);
}

TEST_F(DesktopWindowTest, TabCaptionsKeepTheWindowsFontSizeWhereTheyFit) {
    LOGFONTW caption{};
    ::GetObjectW(window_.tabs().captionFont(0), sizeof caption, &caption);
    LOGFONTW normal{};
    ::GetObjectW(reinterpret_cast<HFONT>(
                     ::SendMessageW(window_.control(MainWindow::kLabel1Id), WM_GETFONT, 0, 0)),
                 sizeof normal, &normal);
    const HWND tabs = window_.control(MainWindow::kPageControl1Id);
    RECT last{};
    TabCtrl_GetItemRect(tabs, 7, &last);
    RECT client{};
    ::GetClientRect(tabs, &client);
    // Either the window's size, or all eight would not fit in it.
    EXPECT_EQ(caption.lfHeight, normal.lfHeight)
        << "last tab ends at " << last.right << " of " << client.right;
    EXPECT_LE(last.right, client.right);
}

TEST_F(DesktopWindowTest, CtrlTabAndCtrlPageKeysSwitchTabsFromAnywhereAndEscapeKeepsTheWindow) {
    readLargeProject();
    const HWND list = window_.control(MainWindow::kFileListBox1Id);
    const HWND tabs = window_.control(MainWindow::kPageControl1Id);
    press(list, VK_TAB, true, false);
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 2);
    press(field(MainWindow::kTotalId), VK_NEXT, true, false);
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 3);
    press(window_.control(MainWindow::kFirstTableId + 3), VK_TAB, true, true);
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 2);
    press(list, VK_PRIOR, true, false);
    press(list, VK_PRIOR, true, false);
    press(list, VK_PRIOR, true, false);
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 7);  // round the first tab to the last
    EXPECT_TRUE(::IsWindowVisible(window_.control(MainWindow::kFirstTableId + 7)));
    EXPECT_FALSE(::IsWindowVisible(window_.control(MainWindow::kFirstTableId + 2)));

    press(list, VK_ESCAPE, false, false);
    press(window_.handle(), VK_ESCAPE, false, false);
    EXPECT_TRUE(::IsWindow(window_.handle()));
    EXPECT_TRUE(::IsWindowVisible(window_.handle()));
}

TEST_F(DesktopWindowTest, TheDeveloperPanelOpensBesideTheWindowNeverOverIt) {
    form_->openDeveloperPanel();
    pump();
    RECT main = windowRect(window_.handle());
    RECT panel = windowRect(window_.developerPanelHandle());
    RECT both{};
    EXPECT_FALSE(::IntersectRect(&both, &main, &panel));
    const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_TRUE(::IntersectRect(&both, &panel, &screen) && ::EqualRect(&both, &panel));
}

TEST(MessageBoxIcon, WarnsOfForeseenConditionsAndShowsFailuresAsErrors) {
    EXPECT_EQ(messageBoxIcon(MessageKind::Notice), static_cast<UINT>(MB_ICONWARNING));
    EXPECT_EQ(messageBoxIcon(MessageKind::Error), static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(messageBoxIcon(MessageKind::Information), static_cast<UINT>(MB_ICONINFORMATION));
}

}  // namespace
}  // namespace ek::app::win32
