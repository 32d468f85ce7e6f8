#pragma once

// The sparse cell store of a worksheet (TXLSCellHeap): cells kept by row group,
// row and column, only those present, in column order within a row.

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>

#include "xls/model/cell_ref.h"
#include "xls/model/ids.h"

namespace xls {

// The sparse cell store of one sheet: row / 256, row mod 256, column / 128,
// column mod 128. The first level's groups of 256 rows are made on first
// use; the last level holds only the cells present, in column order: up to
// five of the first 128 columns in the group's own slots, the rest in blocks
// of the row's own that grow as needed, never a 128-slot array.
//
// The group keeps its slots a slot at a time, not a row at a time: the
// setters run down one column, and so read its cells one after the other in
// memory, not one cell out of each row's hundred bytes (which, on a sheet
// larger than the processor's caches, fetched the whole sheet from memory
// once for every setter).
//
// References returned stay valid until the next Insert into the same row.
class TXLSCellHeap {
    static constexpr int kGroupRows = 256;
    static constexpr int kHalfWidth = 128;
    // Cells of the first half of a row held in the group's slots: the
    // export's rows have five.
    static constexpr std::uint8_t kSlots = 5;

  public:
    TXLSCellHeap();
    ~TXLSCellHeap();
    TXLSCellHeap(TXLSCellHeap&&) noexcept;
    TXLSCellHeap& operator=(TXLSCellHeap&&) noexcept;

    // Inline: every setter finds each cell of its range.
    const TXLSCellRef* Find(RowIndex row, ColumnIndex column) const {
        const auto& group = groups_[row.value >> 8];
        if (!group) {
            return nullptr;
        }
        const int r = row.value & 0xFF;
        return column.value < kHalfWidth
                   ? group->low.Find(r, column.value, column.value)
                   : group->high.Find(r, column.value, column.value - kHalfWidth);
    }
    TXLSCellRef* Find(RowIndex row, ColumnIndex column) {
        return const_cast<TXLSCellRef*>(std::as_const(*this).Find(row, column));
    }
    // The cells of one row, as ForEachRowDown hands them out.
    class RowOfCells;
    // fn(RowOfCells) for each row first..last of a group of rows holding any
    // cell, top down: one look-up of each group of 256 rows, not one per cell.
    template <class Fn>
    void ForEachRowDown(RowIndex first, RowIndex last, Fn&& fn);

    // For each row first..last, top down, fn(cell) on the cell of `column`:
    // a row without one gets it first, of the XF newCellXf(row) gives. One
    // look-up of each group of 256 rows, not one per cell, for the setters
    // running down a column. References passed stay valid until the next
    // Insert into the same row.
    template <class NewCellXf, class Fn>
    void ForEachDownMaking(RowIndex first, RowIndex last, ColumnIndex column, NewCellXf&& newCellXf,
                           Fn&& fn) {
        if (column.value < kHalfWidth) {
            ForEachDownMakingIn<&RowGroup::low>(first, last, column, column.value, newCellXf, fn);
        } else {
            ForEachDownMakingIn<&RowGroup::high>(first, last, column, column.value - kHalfWidth,
                                                 newCellXf, fn);
        }
    }

    // Adds a blank cell; the position must not hold one yet. Inline: the
    // first setter on a column makes each of its cells.
    TXLSCellRef& Insert(RowIndex row, ColumnIndex column, XfIndex xf) {
        assert(Find(row, column) == nullptr);
        RowGroup& group = GroupForWriting(row);
        ++count_;
        const TXLSCellRef cell(row, column, xf);
        const int r = row.value & 0xFF;
        return column.value < kHalfWidth ? group.low.Insert(r, cell) : group.high.Insert(r, cell);
    }

    std::size_t Count() const { return count_; }

    // fn(cell) for each cell of a row, in column order.
    template <class Fn>
    void ForEachInRow(RowIndex row, Fn&& fn) const {
        const auto& group = groups_[row.value >> 8];
        if (!group) {
            return;
        }
        const int r = row.value & 0xFF;
        for (const CellRun run : {group->low.Run(r), group->high.Run(r)}) {
            for (std::uint8_t i = 0; i < run.count; ++i) {
                fn(std::as_const(run[i]));
            }
        }
    }

  private:
    // The cells of one half of one row: `count` of them, `stride` apart.
    struct CellRun {
        TXLSCellRef* first;
        std::ptrdiff_t stride;
        std::uint8_t count;

        TXLSCellRef& operator[](std::ptrdiff_t i) const { return first[i * stride]; }
        // `slot`: the column's place in the half when every column before it
        // holds a cell, as in rows filled from their first column on; the
        // cells are in column order, so none lies further on. A row holds a
        // handful of cells otherwise: a walk beats a binary search.
        TXLSCellRef* Find(std::uint8_t column, unsigned slot) const {
            if (slot < count) {
                TXLSCellRef& atSlot = (*this)[slot];
                if (atSlot.Column().value == column) {
                    return &atSlot;
                }
            } else if (count == 0 || (*this)[count - 1].Column().value < column) {
                return nullptr;
            }
            for (std::uint8_t i = 0; i < count; ++i) {
                TXLSCellRef& cell = (*this)[i];
                if (cell.Column().value >= column) {
                    return cell.Column().value == column ? &cell : nullptr;
                }
            }
            return nullptr;
        }
    };
    struct NoSlots {
        TXLSCellRef* data() { return nullptr; }
    };
    // One half (columns 0..127 or 128..255) of the 256 rows of a group: per
    // row a count and the block its cells moved to once more than `Slots`;
    // until then they lie in the slots, slot k of row r at k * 256 + r.
    template <std::uint8_t Slots>
    struct HalfOfGroup {
        std::array<std::uint8_t, kGroupRows> count{};
        // 0 while the cells are in the slots.
        std::array<std::uint8_t, kGroupRows> spilledCapacity{};
        std::array<std::unique_ptr<TXLSCellRef[]>, kGroupRows> spilled{};
        // Left as it comes: a slot is read only once counted. Takes no room
        // when Slots is 0 (an empty std::array still does).
        [[no_unique_address]] std::conditional_t<
            Slots == 0, NoSlots, std::array<TXLSCellRef, std::size_t{Slots} * kGroupRows>>
            slots;

        std::uint8_t Capacity(int r) const {
            return spilledCapacity[r] != 0 ? spilledCapacity[r] : Slots;
        }
        CellRun Run(int r) const {
            auto& self = const_cast<HalfOfGroup&>(*this);
            if (spilledCapacity[r] != 0) {
                return {self.spilled[r].get(), 1, count[r]};
            }
            return {self.slots.data() + r, kGroupRows, count[r]};
        }
        TXLSCellRef* Find(int r, std::uint8_t column, unsigned slot) const {
            return Run(r).Find(column, slot);
        }
        // Rows are mostly filled from left to right: the cell goes at the end.
        TXLSCellRef& Insert(int r, const TXLSCellRef& cell) {
            const CellRun run = Run(r);
            if (run.count < Capacity(r) &&
                (run.count == 0 || run[run.count - 1].Column() < cell.Column())) {
                TXLSCellRef& end = run[run.count];
                end = cell;
                ++count[r];
                return end;
            }
            return InsertInOrder(r, cell);
        }
        TXLSCellRef& InsertInOrder(int r, const TXLSCellRef& cell);
    };
    struct RowGroup {
        HalfOfGroup<kSlots> low;
        HalfOfGroup<0> high;
    };

    // ForEachDownMaking in one half of the rows: `slot` as CellRun::Find.
    template <auto Half, class NewCellXf, class Fn>
    void ForEachDownMakingIn(RowIndex first, RowIndex last, ColumnIndex column, unsigned slot,
                             NewCellXf& newCellXf, Fn& fn) {
        for (int g = first.value >> 8; g <= last.value >> 8; ++g) {
            std::unique_ptr<RowGroup>& group = groups_[static_cast<std::size_t>(g)];
            if (!group) {
                group = MakeGroup();
            }
            auto& half = (*group).*Half;
            const int top = std::max<int>(first.value, g << 8) & 0xFF;
            const int bottom = std::min<int>(last.value, (g << 8) | 0xFF) & 0xFF;
            for (int r = top; r <= bottom; ++r) {
                TXLSCellRef* cell = half.Find(r, column.value, slot);
                if (cell == nullptr) {
                    ++count_;
                    const RowIndex row{static_cast<std::uint16_t>((g << 8) | r)};
                    cell = &half.Insert(r, TXLSCellRef(row, column, newCellXf(row)));
                }
                fn(*cell);
            }
        }
    }

    RowGroup& GroupForWriting(RowIndex row) {
        auto& group = groups_[row.value >> 8];
        if (!group) {
            group = MakeGroup();
        }
        return *group;
    }
    static std::unique_ptr<RowGroup> MakeGroup();

    std::array<std::unique_ptr<RowGroup>, 256> groups_;
    std::size_t count_ = 0;
};

class TXLSCellHeap::RowOfCells {
  public:
    TXLSCellRef* Find(ColumnIndex column) const {
        return column.value < kHalfWidth
                   ? group_->low.Find(row_, column.value, column.value)
                   : group_->high.Find(row_, column.value, column.value - kHalfWidth);
    }

  private:
    friend class TXLSCellHeap;
    RowOfCells(RowGroup& group, int row) : group_(&group), row_(row) {}
    RowGroup* group_;
    int row_;  // within the group
};

template <class Fn>
void TXLSCellHeap::ForEachRowDown(RowIndex first, RowIndex last, Fn&& fn) {
    for (int g = first.value >> 8; g <= last.value >> 8; ++g) {
        const std::unique_ptr<RowGroup>& group = groups_[static_cast<std::size_t>(g)];
        if (!group) {
            continue;
        }
        const int top = std::max<int>(first.value, g << 8);
        const int bottom = std::min<int>(last.value, (g << 8) | 0xFF);
        for (int r = top; r <= bottom; ++r) {
            fn(RowOfCells(*group, r & 0xFF));
        }
    }
}

}  // namespace xls
