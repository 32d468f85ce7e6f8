#include "xls/formats/borders.h"

#include "xls/formats/palette.h"
#include "xls/model/worksheet.h"

namespace xls {

void IXLSBorders::SetColorIndex(int colorIndex) const {
    ColorNumber color;
    if (colorIndex >= 1 && colorIndex <= TXLSPalette::kColorCount) {
        color = TXLSPalette::NumberOfIndex(colorIndex);
    } else if (colorIndex == 0 || colorIndex == color_index::kNone) {
        color = ColorNumber{0};
    } else if (colorIndex == color_index::kAutomatic) {
        color = kAutomaticForeground;
    } else {
        return;
    }
    range_.Worksheet().ApplyBorderColor(range_.Area(), color);
}

}  // namespace xls
