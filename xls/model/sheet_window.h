#pragma once

// How a worksheet is shown: its visibility, selection, gridlines, zero values,
// frozen panes, scroll position, zoom and outline directions.

#include <cstdint>

namespace xls {

enum class SheetVisibility : std::uint8_t { Visible = 0, Hidden = 1, VeryHidden = 2 };

// The selected cells of a sheet (0-based); A1 on a new sheet.
struct TXLSSelection {
    std::uint8_t activePane = 3;
    std::uint16_t activeRow = 0;
    std::uint8_t activeColumn = 0;
    std::uint16_t firstRow = 0;
    std::uint16_t lastRow = 0;
    std::uint8_t firstColumn = 0;
    std::uint8_t lastColumn = 0;
};

// How a sheet is shown, with the values a new sheet has.
struct TXLSSheetWindow {
    bool showGridlines = true;
    bool showZeros = true;
    bool frozenPanes = false;
    bool rightToLeft = false;
    std::uint16_t scrollRow = 0;  // first row shown
    std::uint8_t scrollColumn = 0;
    std::uint16_t zoom = 100;  // per cent
    bool summaryRowsBelow = true;
    bool summaryColumnsRight = true;
    TXLSSelection selection;
};

}  // namespace xls
