#include "app/win32/child_controls.h"

#include <algorithm>
#include <string>

namespace ek::app::win32 {

namespace {

// A button's frame and margins on both sides together, at 96 dots per inch.
constexpr int kButtonPadding = 10;

void placeGrowingToText(HWND control, const Box& box, FontSet& fonts) {
    Box place = scaled(box, fonts.dpi());
    place.width = std::max(place.width, textWidth(windowText(control), fonts.font()));
    ::SetWindowPos(control, nullptr, place.left, place.top, place.width, place.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void shrinkTextToFit(HWND control, const Box& box, FontSet& fonts) {
    const int room = scaled(box, fonts.dpi()).width - scaled(kButtonPadding, fonts.dpi());
    const int reduction = fonts.reductionToFit(windowText(control), room);
    if (reduction > 0)
        ::SendMessageW(control, WM_SETFONT,
                       reinterpret_cast<WPARAM>(fonts.font(Weight::Normal, reduction)), TRUE);
}

}  // namespace

HWND createChild(HWND parent, const wchar_t* className, std::wstring_view text, DWORD style, int id,
                 DWORD exStyle) {
    const std::wstring caption(text);
    return ::CreateWindowExW(exStyle, className, caption.c_str(), WS_CHILD | WS_VISIBLE | style, 0,
                             0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
}

void moveTo(HWND control, const Box& box, unsigned dpi) {
    const Box place = scaled(box, dpi);
    ::SetWindowPos(control, nullptr, place.left, place.top, place.width, place.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void Placements::apply(FontSet& fonts) const {
    for (const Placed& placed : placed_) {
        switch (placed.fit) {
            case Fit::Clip:
                moveTo(placed.control, placed.box, fonts.dpi());
                break;
            case Fit::GrowToText:
                placeGrowingToText(placed.control, placed.box, fonts);
                break;
            case Fit::ShrinkText:
                moveTo(placed.control, placed.box, fonts.dpi());
                shrinkTextToFit(placed.control, placed.box, fonts);
                break;
        }
    }
}

std::wstring windowText(HWND control) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace ek::app::win32
