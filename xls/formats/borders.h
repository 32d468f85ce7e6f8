#pragma once

// IXLSBorders, a range's Borders object: the edges of every cell of the range,
// set through the XF list.

#include "xls/model/range.h"

namespace xls {

// The cell edges of a range.
class IXLSBorders {
  public:
    explicit IXLSBorders(const IXLSRange& range) : range_(range) {}

    // Thin edges on every cell of the range in palette entry 1..56 or the
    // automatic colour (-4105); 0 and -4142 remove them. Neighbouring cells
    // outside the range lose their facing edge. Other values are ignored.
    void SetColorIndex(int colorIndex) const;

  private:
    IXLSRange range_;
};

}  // namespace xls
