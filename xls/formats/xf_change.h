#pragma once

// TXLSXfChange, one change a range setter makes to a cell format (number
// format, font height, bold, font colour, alignment, wrapping, fill, border
// colour, a cleared edge), which the XF list applies.

#include <cstdint>

#include "xls/model/ids.h"

namespace xls {

enum class BorderEdge : std::uint8_t { Left, Right, Top, Bottom };

// One attribute change of a cell format, as the range setters make them.
struct TXLSXfChange {
    enum class What : std::uint8_t {
        FontHeight,           // value: twips
        FontBold,             // value: 0 / 1
        FontColor,            // value: font colour (colour number, 0x7FFF automatic, or 0)
        HorizontalAlignment,  // value: code 0..7
        WrapText,             // value: 0 / 1
        FillColor,            // value: colour number, 0 for no fill
        BorderColor,          // value: colour number, 0 for no border
        ClearEdge,            // value: a BorderEdge
        NumberFormat,         // value: number-format index
    };

    What what;
    std::uint32_t value = 0;

    friend bool operator==(const TXLSXfChange&, const TXLSXfChange&) = default;
};

}  // namespace xls
