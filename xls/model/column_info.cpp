#include "xls/model/column_info.h"

#include <algorithm>

namespace xls {

TXLSColumnInfo& TXLSColumnInfoList::GetOrCreate(ColumnIndex column) {
    auto& slot = slots_[column.value];
    if (!slot) {
        slot = TXLSColumnInfo{default_.width, default_.xf, false, 0};
        ++count_;
        lowest_ = lowest_ < 0 ? column.value : std::min<int>(lowest_, column.value);
        highest_ = std::max<int>(highest_, column.value);
    }
    return *slot;
}

std::optional<ColumnIndex> TXLSColumnInfoList::LowestColumn() const {
    if (lowest_ < 0) {
        return std::nullopt;
    }
    return ColumnIndex{static_cast<std::uint8_t>(lowest_)};
}

std::optional<ColumnIndex> TXLSColumnInfoList::HighestColumn() const {
    if (highest_ < 0) {
        return std::nullopt;
    }
    return ColumnIndex{static_cast<std::uint8_t>(highest_)};
}

}  // namespace xls
