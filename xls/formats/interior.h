#pragma once

// IXLSInterior, a range's Interior object: the fill colour of every cell of the
// range, set through the XF list.

#include "xls/model/range.h"

namespace xls {

// The fill of a range.
class IXLSInterior {
  public:
    explicit IXLSInterior(const IXLSRange& range) : range_(range) {}

    // 1..56 palette entries, 0 and -4142 no fill, -4105 automatic;
    // other values are ignored.
    void SetColorIndex(int colorIndex) const;

  private:
    IXLSRange range_;
};

}  // namespace xls
