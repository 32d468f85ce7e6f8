#include "xls/cell_heap.h"

#include <algorithm>
#include <utility>

namespace xls {

namespace {

// Room for more cells of a row once its block is full: four, then eight,
// then by half again, so that a row filled column by column is not
// reallocated for each cell.
std::uint8_t NextCapacity(std::uint8_t capacity) {
    const int next = capacity < 4 ? 4 : capacity < 8 ? 8 : capacity + capacity / 2;
    return static_cast<std::uint8_t>(std::min(next, 128));
}

}  // namespace

TXLSCellHeap::TXLSCellHeap() = default;
TXLSCellHeap::~TXLSCellHeap() = default;
TXLSCellHeap::TXLSCellHeap(TXLSCellHeap&&) noexcept = default;
TXLSCellHeap& TXLSCellHeap::operator=(TXLSCellHeap&&) noexcept = default;

template <std::uint8_t Local>
TXLSCellRef& TXLSCellHeap::ColumnBlock<Local>::InsertInOrder(const TXLSCellRef& cell) {
    TXLSCellRef* const first = Data();
    TXLSCellRef* const end = first + count;
    TXLSCellRef* const place = std::lower_bound(
        first, end, cell.Column().value,
        [](const TXLSCellRef& c, std::uint8_t column) { return c.Column().value < column; });
    const auto offset = place - first;
    if (count == Capacity()) {
        spilledCapacity = NextCapacity(Capacity());
        auto grown = std::make_unique_for_overwrite<TXLSCellRef[]>(spilledCapacity);
        std::copy(first, place, grown.get());
        std::copy(place, end, grown.get() + offset + 1);
        spilled = std::move(grown);
    } else {
        std::copy_backward(place, end, end + 1);
    }
    TXLSCellRef* const cells = Data();
    cells[offset] = cell;
    ++count;
    return cells[offset];
}

const TXLSCellHeap::RowBlock* TXLSCellHeap::FindRow(RowIndex row) const {
    const auto& group = groups_[row.value >> 8];
    return group ? &(*group)[row.value & 0xFF] : nullptr;
}

std::unique_ptr<TXLSCellHeap::RowGroup> TXLSCellHeap::MakeGroup() {
    // Only the blocks' counts and pointers are set: their cells are read
    // once counted.
    return std::make_unique_for_overwrite<RowGroup>();
}

template struct TXLSCellHeap::ColumnBlock<5>;
template struct TXLSCellHeap::ColumnBlock<0>;

std::array<std::span<const TXLSCellRef>, 2> TXLSCellHeap::RowCells(RowIndex row) const {
    const RowBlock* rowBlock = FindRow(row);
    if (rowBlock == nullptr) {
        return {};
    }
    return {rowBlock->low.Cells(), rowBlock->high.Cells()};
}

}  // namespace xls
