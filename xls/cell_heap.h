#pragma once

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <type_traits>
#include <utility>

#include "xls/cell_ref.h"
#include "xls/ids.h"

namespace xls {

// The sparse cell store of one sheet: row / 256, row mod 256, column / 128,
// column mod 128. The first level's blocks are made on first use; the last
// level holds only the cells present, in column order: up to five of the
// first 128 columns in the row's own block (112 bytes a row), the rest in
// blocks that grow as needed, never a 128-slot array.
//
// References returned stay valid until the next Insert into the same row.
class TXLSCellHeap {
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
        const RowBlock& block = (*group)[row.value & 0xFF];
        return column.value < kHalfWidth ? block.low.Find(column.value, column.value)
                                         : block.high.Find(column.value, column.value - kHalfWidth);
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
            ForEachDownMakingIn<&RowBlock::low>(first, last, column, column.value, newCellXf, fn);
        } else {
            ForEachDownMakingIn<&RowBlock::high>(first, last, column, column.value - kHalfWidth,
                                                 newCellXf, fn);
        }
    }

    // Adds a blank cell; the position must not hold one yet. Inline: the
    // first setter on a column makes each of its cells.
    TXLSCellRef& Insert(RowIndex row, ColumnIndex column, XfIndex xf) {
        assert(Find(row, column) == nullptr);
        RowBlock& block = RowForWriting(row);
        ++count_;
        const TXLSCellRef cell(row, column, xf);
        return column.value < kHalfWidth ? block.low.Insert(cell) : block.high.Insert(cell);
    }

    std::size_t Count() const { return count_; }
    // The cells of a row in column order, as two runs (columns 0..127, 128..255).
    std::array<std::span<const TXLSCellRef>, 2> RowCells(RowIndex row) const;

    template <class Fn>
    void ForEachInRow(RowIndex row, Fn&& fn) const {
        for (const auto& half : RowCells(row)) {
            for (const TXLSCellRef& cell : half) {
                fn(cell);
            }
        }
    }

  private:
    static constexpr int kHalfWidth = 128;
    // The cells of one row in columns 0..127 or 128..255, in column order:
    // the first `Local` of them inside the row's block, so that a setter
    // running down a column reads the rows' cells one after the other in
    // memory; more move to a block of their own.
    struct NoCells {
        TXLSCellRef* data() const { return nullptr; }
    };
    template <std::uint8_t Local>
    struct ColumnBlock {
        // Takes no room when Local is 0 (an empty std::array still does).
        [[no_unique_address]] std::conditional_t<Local == 0, NoCells,
                                                 std::array<TXLSCellRef, Local>>
            local;
        std::unique_ptr<TXLSCellRef[]> spilled;
        std::uint8_t count = 0;
        // 0 while the cells are in place: a block of nothing but zeros, so
        // that a new group of rows is cleared in one go.
        std::uint8_t spilledCapacity = 0;

        std::uint8_t Capacity() const { return spilled ? spilledCapacity : Local; }
        const TXLSCellRef* Data() const { return spilled ? spilled.get() : local.data(); }
        TXLSCellRef* Data() { return spilled ? spilled.get() : local.data(); }
        std::span<const TXLSCellRef> Cells() const { return {Data(), count}; }
        // `slot`: the column's place in the half when every column before it
        // holds a cell, as in rows filled from their first column on; the
        // cells are in column order, so none lies further on. A row holds a
        // handful of cells otherwise: a walk beats a binary search.
        const TXLSCellRef* Find(std::uint8_t column, unsigned slot) const {
            const TXLSCellRef* const first = Data();
            if (slot < count) {
                if (first[slot].Column().value == column) {
                    return first + slot;
                }
            } else if (count == 0 || first[count - 1].Column().value < column) {
                return nullptr;
            }
            for (std::uint8_t i = 0; i < count; ++i) {
                if (first[i].Column().value >= column) {
                    return first[i].Column().value == column ? first + i : nullptr;
                }
            }
            return nullptr;
        }
        TXLSCellRef* Find(std::uint8_t column, unsigned slot) {
            return const_cast<TXLSCellRef*>(std::as_const(*this).Find(column, slot));
        }
        // Rows are mostly filled from left to right: the cell goes at the end.
        TXLSCellRef& Insert(const TXLSCellRef& cell) {
            TXLSCellRef* const end = Data() + count;
            if (count < Capacity() && (count == 0 || end[-1].Column() < cell.Column())) {
                *end = cell;
                ++count;
                return *end;
            }
            return InsertInOrder(cell);
        }
        TXLSCellRef& InsertInOrder(const TXLSCellRef& cell);
    };
    // Five cells of the first half in place: the export's rows have five.
    struct RowBlock {
        ColumnBlock<5> low;
        ColumnBlock<0> high;
    };
    using RowGroup = std::array<RowBlock, 256>;

    // ForEachDownMaking in one half of the rows: `slot` as ColumnBlock::Find.
    template <auto Half, class NewCellXf, class Fn>
    void ForEachDownMakingIn(RowIndex first, RowIndex last, ColumnIndex column, unsigned slot,
                             NewCellXf& newCellXf, Fn& fn) {
        for (int g = first.value >> 8; g <= last.value >> 8; ++g) {
            std::unique_ptr<RowGroup>& group = groups_[static_cast<std::size_t>(g)];
            if (!group) {
                group = MakeGroup();
            }
            const int top = std::max<int>(first.value, g << 8);
            const int bottom = std::min<int>(last.value, (g << 8) | 0xFF);
            RowBlock* block = group->data() + (top & 0xFF);
            for (int r = top; r <= bottom; ++r, ++block) {
                auto& cells = (*block).*Half;
                TXLSCellRef* cell = cells.Find(column.value, slot);
                if (cell == nullptr) {
                    ++count_;
                    const RowIndex row{static_cast<std::uint16_t>(r)};
                    cell = &cells.Insert(TXLSCellRef(row, column, newCellXf(row)));
                }
                fn(*cell);
            }
        }
    }

    const RowBlock* FindRow(RowIndex row) const;
    RowBlock& RowForWriting(RowIndex row) {
        auto& group = groups_[row.value >> 8];
        if (!group) {
            group = MakeGroup();
        }
        return (*group)[row.value & 0xFF];
    }
    static std::unique_ptr<RowGroup> MakeGroup();

    std::array<std::unique_ptr<RowGroup>, 256> groups_;
    std::size_t count_ = 0;
};

class TXLSCellHeap::RowOfCells {
  public:
    TXLSCellRef* Find(ColumnIndex column) const {
        return column.value < kHalfWidth
                   ? block_->low.Find(column.value, column.value)
                   : block_->high.Find(column.value, column.value - kHalfWidth);
    }

  private:
    friend class TXLSCellHeap;
    explicit RowOfCells(RowBlock& block) : block_(&block) {}
    RowBlock* block_;
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
            fn(RowOfCells((*group)[static_cast<std::size_t>(r & 0xFF)]));
        }
    }
}

}  // namespace xls
