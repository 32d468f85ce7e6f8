#pragma once

// TXLSStyles, the workbook's cell styles (Normal, Comma, Currency, Percent and
// their variants), written as STYLE records.

#include <cstdint>
#include <string>
#include <vector>

#include "xls/model/ids.h"

namespace xls {

// One cell style: a built-in style (by its number) or a named one, on a style XF.
struct TXLSStyle {
    bool builtIn = true;
    std::uint8_t builtInId =
        0;  // 0 Normal, 3 Comma, 4 Currency, 5 Percent, 6 Comma [0], 7 Currency [0]
    std::uint8_t level = 0xFF;  // outline level; 0xFF for the styles above
    XfIndex xf;
    std::u16string name;  // user-defined styles only
};

// The workbook's styles in the order they are written: Comma, Currency,
// Comma [0], Currency [0], Percent, Normal.
class TXLSStyles {
  public:
    TXLSStyles();
    const std::vector<TXLSStyle>& Entries() const { return entries_; }
    int Count() const { return static_cast<int>(entries_.size()); }

  private:
    std::vector<TXLSStyle> entries_;
};

}  // namespace xls
