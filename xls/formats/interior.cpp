#include "xls/formats/interior.h"

#include "xls/formats/palette.h"
#include "xls/model/worksheet.h"

namespace xls {

void IXLSInterior::SetColorIndex(int colorIndex) const {
    std::uint32_t color;
    if (colorIndex >= 1 && colorIndex <= TXLSPalette::kColorCount) {
        color = TXLSPalette::NumberOfIndex(colorIndex).value;
    } else if (colorIndex == 0 || colorIndex == color_index::kNone) {
        color = 0;
    } else if (colorIndex == color_index::kAutomatic) {
        color = kAutomaticBackground.value;
    } else {
        return;
    }
    range_.Worksheet().ApplyChange(range_.Area(), {TXLSXfChange::What::FillColor, color});
}

}  // namespace xls
