#include "xls/cell_heap.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace xls {

namespace {

// Room for the next cells of a row: four, then eight (most rows hold a
// handful of cells), then by half again. Growing one cell at a time cost a
// reallocation and a copy for every cell of a row filled column by column.
std::uint8_t NextCapacity(std::uint8_t capacity) {
    const int next = capacity < 4 ? 4 : capacity < 8 ? 8 : capacity + capacity / 2;
    return static_cast<std::uint8_t>(std::min(next, 128));
}

}  // namespace

TXLSCellHeap::TXLSCellHeap() = default;
TXLSCellHeap::~TXLSCellHeap() = default;
TXLSCellHeap::TXLSCellHeap(TXLSCellHeap&&) noexcept = default;
TXLSCellHeap& TXLSCellHeap::operator=(TXLSCellHeap&&) noexcept = default;

TXLSCellRef& TXLSCellHeap::ColumnBlock::Insert(const TXLSCellRef& cell) {
    TXLSCellRef* const end = cells.get() + count;
    TXLSCellRef* const place = std::lower_bound(
        cells.get(), end, cell.Column().value,
        [](const TXLSCellRef& c, std::uint8_t column) { return c.Column().value < column; });
    const auto offset = place - cells.get();
    if (count == capacity) {
        capacity = NextCapacity(capacity);
        auto grown = std::make_unique_for_overwrite<TXLSCellRef[]>(capacity);
        std::copy(cells.get(), place, grown.get());
        std::copy(place, end, grown.get() + offset + 1);
        cells = std::move(grown);
    } else {
        std::copy_backward(place, end, end + 1);
    }
    cells[offset] = cell;
    ++count;
    return cells[offset];
}

const TXLSCellHeap::RowBlock* TXLSCellHeap::FindRow(RowIndex row) const {
    const auto& group = groups_[row.value >> 8];
    return group ? &(*group)[row.value & 0xFF] : nullptr;
}

TXLSCellHeap::RowBlock& TXLSCellHeap::RowForWriting(RowIndex row) {
    auto& group = groups_[row.value >> 8];
    if (!group) {
        group = std::make_unique<RowGroup>();
    }
    return (*group)[row.value & 0xFF];
}

TXLSCellRef& TXLSCellHeap::Insert(RowIndex row, ColumnIndex column, XfIndex xf) {
    ColumnBlock& block = RowForWriting(row)[column.value / kHalfWidth];
    assert(block.Find(column.value) == nullptr);
    ++count_;
    return block.Insert(TXLSCellRef(row, column, xf));
}

std::array<std::span<const TXLSCellRef>, 2> TXLSCellHeap::RowCells(RowIndex row) const {
    const RowBlock* rowBlock = FindRow(row);
    if (rowBlock == nullptr) {
        return {};
    }
    return {(*rowBlock)[0].Cells(), (*rowBlock)[1].Cells()};
}

}  // namespace xls
