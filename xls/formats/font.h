#pragma once

// IXLSFont, a range's Font object: size, bold and colour of every cell of the
// range, set through the XF list.

#include <cstdint>

#include "xls/model/range.h"

namespace xls {

// The font of a range: every setter acts on all cells of the range.
class IXLSFont {
  public:
    explicit IXLSFont(const IXLSRange& range) : range_(range) {}

    // Points; stored as twips (size x 20, halves to even).
    void SetSize(float points) const;
    void SetBold(bool bold) const;
    // RGB with red in the low byte; the nearest palette colour is used.
    void SetColor(std::uint32_t rgb) const;
    // 1..56 palette entries, -4105 automatic, 0; other values are ignored.
    void SetColorIndex(int colorIndex) const;

  private:
    IXLSRange range_;
};

}  // namespace xls
