#include "xls/model/row_info.h"

#include <algorithm>

namespace xls {

TXLSRowInfoList::TXLSRowInfoList() = default;
TXLSRowInfoList::~TXLSRowInfoList() = default;
TXLSRowInfoList::TXLSRowInfoList(TXLSRowInfoList&&) noexcept = default;
TXLSRowInfoList& TXLSRowInfoList::operator=(TXLSRowInfoList&&) noexcept = default;

TXLSRowInfo& TXLSRowInfoList::GetOrCreate(RowIndex row) {
    auto& block = blocks_[row.value >> 8];
    if (!block) {
        block = std::make_unique<Block>();
    }
    const unsigned place = row.value & 0xFF;
    std::uint64_t& word = block->present[place >> 6];
    const std::uint64_t bit = std::uint64_t{1} << (place & 63);
    TXLSRowInfo& info = block->rows[place];
    if ((word & bit) == 0) {
        word |= bit;
        info = TXLSRowInfo{};
        info.height = default_.height;
        ++count_;
        lowest_ = lowest_ < 0 ? row.value : std::min<int>(lowest_, row.value);
        highest_ = std::max<int>(highest_, row.value);
    }
    return info;
}

std::optional<RowIndex> TXLSRowInfoList::LowestRow() const {
    if (lowest_ < 0) {
        return std::nullopt;
    }
    return RowIndex{static_cast<std::uint16_t>(lowest_)};
}

std::optional<RowIndex> TXLSRowInfoList::HighestRow() const {
    if (highest_ < 0) {
        return std::nullopt;
    }
    return RowIndex{static_cast<std::uint16_t>(highest_)};
}

}  // namespace xls
