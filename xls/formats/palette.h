#pragma once

// TXLSPalette, the workbook's 56-colour palette, and the entry nearest to an
// RGB colour.

#include <array>
#include <cstdint>

#include "xls/model/ids.h"

namespace xls {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(Rgb, Rgb) = default;
};

// The workbook's 56 colours. Colour index n (1..56) is stored as colour
// number n + 7 (8..63).
class TXLSPalette {
  public:
    static constexpr int kColorCount = 56;
    static constexpr int kFirstColorNumber = 8;

    TXLSPalette();  // the default palette of [MS-XLS]

    // Colour index 1..56; index outside that range reads as entry 1.
    Rgb Color(int colorIndex) const;
    void SetColor(int colorIndex, Rgb color);  // ignored outside 1..56
    const std::array<Rgb, kColorCount>& Entries() const { return colors_; }

    // The colour index nearest to `rgb` (red in the low byte): the smallest
    // |dR| + |dG| + |dB|, the lowest index on ties.
    int NearestColorIndex(std::uint32_t rgb) const;

    static ColorNumber NumberOfIndex(int colorIndex) {
        return ColorNumber{static_cast<std::uint16_t>(colorIndex + kFirstColorNumber - 1)};
    }

  private:
    std::array<Rgb, kColorCount> colors_;
};

}  // namespace xls
