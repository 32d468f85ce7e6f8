#include "xls/model/cell_heap.h"

#include <algorithm>
#include <utility>

namespace xls {

namespace {

// Room for more cells of a row once its slots are full: four, then eight,
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

template <std::uint8_t Slots>
TXLSCellRef& TXLSCellHeap::HalfOfGroup<Slots>::InsertInOrder(int r, const TXLSCellRef& cell) {
    const CellRun run = Run(r);
    std::uint8_t place = 0;
    while (place < run.count && run[place].Column() < cell.Column()) {
        ++place;
    }
    if (run.count == Capacity(r)) {
        const std::uint8_t capacity = NextCapacity(Capacity(r));
        auto grown = std::make_unique_for_overwrite<TXLSCellRef[]>(capacity);
        for (std::uint8_t i = 0; i < run.count; ++i) {
            grown[i < place ? i : i + 1] = run[i];
        }
        spilled[r] = std::move(grown);
        spilledCapacity[r] = capacity;
    } else {
        for (std::uint8_t i = run.count; i > place; --i) {
            run[i] = run[i - 1];
        }
    }
    TXLSCellRef& placed = Run(r)[place];
    placed = cell;
    ++count[r];
    return placed;
}

std::unique_ptr<TXLSCellHeap::RowGroup> TXLSCellHeap::MakeGroup() {
    // Only the counts and pointers are set: the slots are read once counted.
    return std::make_unique_for_overwrite<RowGroup>();
}

template struct TXLSCellHeap::HalfOfGroup<TXLSCellHeap::kSlots>;
template struct TXLSCellHeap::HalfOfGroup<0>;

}  // namespace xls
