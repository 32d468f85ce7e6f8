#include "xls/cell_heap.h"

#include <bit>
#include <cassert>
#include <utility>

namespace xls {

namespace {

// Growth of a row's cell array: small steps, since rows usually hold few cells.
std::size_t NextCapacity(std::size_t size) {
    return size < 4 ? 4 : size + size / 2;
}

}  // namespace

TXLSCellHeap::TXLSCellHeap() = default;
TXLSCellHeap::~TXLSCellHeap() = default;
TXLSCellHeap::TXLSCellHeap(TXLSCellHeap&&) noexcept = default;
TXLSCellHeap& TXLSCellHeap::operator=(TXLSCellHeap&&) noexcept = default;

const TXLSCellHeap::RowBlock* TXLSCellHeap::FindRow(RowIndex row) const {
    const auto& group = groups_[row.value >> 8];
    if (!group) {
        return nullptr;
    }
    return (*group)[row.value & 0xFF].get();
}

TXLSCellHeap::RowBlock& TXLSCellHeap::RowForWriting(RowIndex row) {
    auto& group = groups_[row.value >> 8];
    if (!group) {
        group = std::make_unique<RowGroup>();
    }
    auto& block = (*group)[row.value & 0xFF];
    if (!block) {
        block = std::make_unique<RowBlock>();
    }
    return *block;
}

namespace {

// Place of column `bit` among the present cells of a block: the number of
// present columns below it.
template <class Block>
std::size_t RankOf(const Block& block, unsigned bit) {
    const std::uint64_t low = block.present[0];
    if (bit < 64) {
        return static_cast<std::size_t>(std::popcount(low & ((std::uint64_t{1} << bit) - 1)));
    }
    const std::uint64_t high = block.present[1] & ((std::uint64_t{1} << (bit - 64)) - 1);
    return static_cast<std::size_t>(std::popcount(low) + std::popcount(high));
}

template <class Block>
bool IsPresent(const Block& block, unsigned bit) {
    return (block.present[bit >> 6] >> (bit & 63)) & 1U;
}

}  // namespace

const TXLSCellRef* TXLSCellHeap::Find(RowIndex row, ColumnIndex column) const {
    const RowBlock* rowBlock = FindRow(row);
    if (rowBlock == nullptr) {
        return nullptr;
    }
    const ColumnBlock& block = (*rowBlock)[column.value / kHalfWidth];
    const unsigned bit = column.value % kHalfWidth;
    if (!IsPresent(block, bit)) {
        return nullptr;
    }
    return &block.cells[RankOf(block, bit)];
}

TXLSCellRef* TXLSCellHeap::Find(RowIndex row, ColumnIndex column) {
    return const_cast<TXLSCellRef*>(std::as_const(*this).Find(row, column));
}

TXLSCellRef& TXLSCellHeap::Insert(RowIndex row, ColumnIndex column, XfIndex xf) {
    ColumnBlock& block = RowForWriting(row)[column.value / kHalfWidth];
    const unsigned bit = column.value % kHalfWidth;
    assert(!IsPresent(block, bit));
    if (block.cells.size() == block.cells.capacity()) {
        block.cells.reserve(NextCapacity(block.cells.size()));
    }
    const std::size_t place = RankOf(block, bit);
    block.present[bit >> 6] |= std::uint64_t{1} << (bit & 63);
    ++count_;
    return *block.cells.insert(block.cells.begin() + static_cast<std::ptrdiff_t>(place),
                               TXLSCellRef(row, column, xf));
}

std::array<std::span<const TXLSCellRef>, 2> TXLSCellHeap::RowCells(RowIndex row) const {
    const RowBlock* rowBlock = FindRow(row);
    if (rowBlock == nullptr) {
        return {};
    }
    return {std::span<const TXLSCellRef>((*rowBlock)[0].cells),
            std::span<const TXLSCellRef>((*rowBlock)[1].cells)};
}

}  // namespace xls
