#include "app/win32/window_font.h"

#include <algorithm>

namespace ek::app::win32 {

namespace {

constexpr int kPoints = 8;
constexpr int kSmallestPoints = 6;
constexpr int kPointsPerInch = 72;

int pixelsOf(int points, unsigned dpi) {
    return ::MulDiv(points, static_cast<int>(dpi), kPointsPerInch);
}

GdiObject makeFont(int pixels, Weight weight) {
    LOGFONTW font{};
    // Negative: the character height, not the cell height.
    font.lfHeight = -pixels;
    font.lfWeight = weight == Weight::Bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    ::lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
    return GdiObject(::CreateFontIndirectW(&font));
}

}  // namespace

int FontSet::largestReduction() const {
    return pixelsOf(kPoints, dpi_) - pixelsOf(kSmallestPoints, dpi_);
}

HFONT FontSet::font(Weight weight, int reduction) {
    return anySize(weight, std::clamp(reduction, 0, largestReduction()));
}

HFONT FontSet::fittingFont(std::wstring_view text, int width) {
    const int smallest = pixelsOf(kPoints, dpi_) - 1;
    int reduction = 0;
    while (reduction < smallest && textWidth(text, anySize(Weight::Normal, reduction)) > width)
        ++reduction;
    return anySize(Weight::Normal, reduction);
}

HFONT FontSet::anySize(Weight weight, int reduction) {
    GdiObject& made = fonts_[{weight, reduction}];
    if (!made)
        made = makeFont(pixelsOf(kPoints, dpi_) - reduction, weight);
    return static_cast<HFONT>(made.get());
}

int FontSet::reductionToFit(std::wstring_view text, int width, Weight weight) {
    int reduction = 0;
    while (reduction < largestReduction() && textWidth(text, font(weight, reduction)) > width)
        ++reduction;
    return reduction;
}

int textWidth(std::wstring_view text, HFONT font) {
    const WindowDc screen(nullptr);
    const SelectedObject selected(screen.get(), font);
    SIZE size{};
    ::GetTextExtentPoint32W(screen.get(), text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void setFontOfChildren(HWND control, HFONT font) {
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ::EnumChildWindows(
        control,
        [](HWND child, LPARAM fontParameter) -> BOOL {
            ::SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(fontParameter), TRUE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(font));
}

}  // namespace ek::app::win32
