#pragma once

// A worksheet's column entries (width, XF, hidden, outline level), made for a
// column only when something sets it.

#include <array>
#include <cstdint>
#include <optional>

#include "xls/model/ids.h"

namespace xls {

// What a sheet knows about one column.
struct TXLSColumnInfo {
    std::uint16_t width = 2340;  // 1/256 of a character
    XfIndex xf = kNormalStyleXf;
    bool hidden = false;
    std::uint8_t outlineLevel = 0;  // 0-based
};

// 256 column slots made on demand, plus the default entry (2340 units, XF 0)
// that new entries copy.
class TXLSColumnInfoList {
  public:
    const TXLSColumnInfo& Default() const { return default_; }
    const TXLSColumnInfo* Find(ColumnIndex column) const {
        const auto& slot = slots_[column.value];
        return slot ? &*slot : nullptr;
    }
    TXLSColumnInfo& GetOrCreate(ColumnIndex column);

    int Count() const { return count_; }
    std::optional<ColumnIndex> LowestColumn() const;
    std::optional<ColumnIndex> HighestColumn() const;

  private:
    TXLSColumnInfo default_;
    std::array<std::optional<TXLSColumnInfo>, 256> slots_;
    int count_ = 0;
    int lowest_ = -1;
    int highest_ = -1;
};

}  // namespace xls
