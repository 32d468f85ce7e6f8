#include "app/win32/tool_tips.h"

#include <commctrl.h>

namespace ek::app::win32 {

namespace {

// Long paths and names stay on one line up to this width (pixels at 96 dpi).
constexpr int kLongestLine = 600;

}  // namespace

ToolTips::ToolTips(HWND owner)
    : owner_(owner),
      tips_(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                              ::GetModuleHandleW(nullptr), nullptr)) {
    ::SendMessageW(tips_.get(), TTM_SETMAXTIPWIDTH, 0, kLongestLine);
}

void ToolTips::addControl(HWND control) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    ::SendMessageW(tips_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTips::addArea(HWND window, UINT_PTR id) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = id;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    ::GetClientRect(window, &tool.rect);
    ::SendMessageW(tips_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTips::pop() const {
    ::SendMessageW(tips_.get(), TTM_POP, 0, 0);
}

bool ToolTips::asksForText(const NMHDR& header) const {
    return header.hwndFrom == tips_.get() && header.code == TTN_GETDISPINFOW;
}

void ToolTips::answer(NMHDR& header, std::wstring text) {
    answered_ = std::move(text);
    auto& request = reinterpret_cast<NMTTDISPINFOW&>(header);
    request.lpszText = answered_.data();
    request.hinst = nullptr;
}

}  // namespace ek::app::win32
