#pragma once

// Reads back the format a cell ends up with, for the tests of the model.

#include <cstdint>

#include "xls/formats/font_key.h"
#include "xls/formats/xf_key.h"
#include "xls/model/workbook.h"
#include "xls/model/worksheet.h"

namespace xls::testing {

struct CellFormat {
    XfIndex xf;
    TXLSXFFields fields;
    TXLSFontFields font;
    FontIndex fontIndex;
};

// The format of the cell at 1-based (row, column) as the format operations
// read it (XF 0 read as 15, the font through the parent rule).
inline CellFormat FormatAt(const IXLSWorksheet& sheet, int row, int column) {
    const RowIndex r{static_cast<std::uint16_t>(row - 1)};
    const ColumnIndex c{static_cast<std::uint8_t>(column - 1)};
    const TXLSXFList& xfs = sheet.Workbook().XFList();
    CellFormat format;
    format.xf = TXLSXFList::CellXf(sheet.EffectiveXf(r, c));
    format.fields = xfs.Fields(format.xf);
    format.fontIndex = xfs.FontOf(format.xf);
    format.font = xfs.Fonts().Fields(format.fontIndex);
    return format;
}

// Edge line styles and colours from the two border words.
struct Edges {
    int leftStyle, rightStyle, topStyle, bottomStyle;
    int leftColor, rightColor, topColor, bottomColor;
};

inline Edges EdgesOf(const TXLSXFFields& fields) {
    const std::uint32_t w1 = fields.border1;
    const std::uint32_t w2 = fields.border2;
    return Edges{static_cast<int>(w1 & 0xF),          static_cast<int>((w1 >> 4) & 0xF),
                 static_cast<int>((w1 >> 8) & 0xF),   static_cast<int>((w1 >> 12) & 0xF),
                 static_cast<int>((w1 >> 16) & 0x7F), static_cast<int>((w1 >> 23) & 0x7F),
                 static_cast<int>(w2 & 0x7F),         static_cast<int>((w2 >> 7) & 0x7F)};
}

}  // namespace xls::testing
