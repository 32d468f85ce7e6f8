#include "xls/formats/font.h"

#include <cmath>

#include "xls/formats/font_key.h"
#include "xls/formats/palette.h"
#include "xls/model/workbook.h"
#include "xls/model/worksheet.h"

namespace xls {

namespace {
// Font heights a BIFF8 FONT record may carry, in twips.
constexpr double kLowestHeight = 20.0;
constexpr double kHighestHeight = 8191.0;
}  // namespace

void IXLSFont::SetSize(float points) const {
    // Halves go to even, as the default floating-point rounding does.
    const double height = std::nearbyint(static_cast<double>(points) * 20.0);
    if (!(height >= kLowestHeight && height <= kHighestHeight)) {
        return;
    }
    range_.Worksheet().ApplyChange(
        range_.Area(), {TXLSXfChange::What::FontHeight, static_cast<std::uint32_t>(height)});
}

void IXLSFont::SetBold(bool bold) const {
    range_.Worksheet().ApplyChange(range_.Area(), {TXLSXfChange::What::FontBold, bold ? 1U : 0U});
}

void IXLSFont::SetColor(std::uint32_t rgb) const {
    SetColorIndex(range_.Worksheet().Workbook().Palette().NearestColorIndex(rgb));
}

void IXLSFont::SetColorIndex(int colorIndex) const {
    std::uint32_t color;
    if (colorIndex >= 1 && colorIndex <= TXLSPalette::kColorCount) {
        color = TXLSPalette::NumberOfIndex(colorIndex).value;
    } else if (colorIndex == color_index::kAutomatic) {
        color = font_key::kAutomaticColor;
    } else if (colorIndex == 0) {
        color = 0;
    } else {
        return;
    }
    range_.Worksheet().ApplyChange(range_.Area(), {TXLSXfChange::What::FontColor, color});
}

}  // namespace xls
