#pragma once

#include <array>
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
        return column.value < kHalfWidth ? block.low.Find(column.value)
                                         : block.high.Find(column.value);
    }
    TXLSCellRef* Find(RowIndex row, ColumnIndex column) {
        return const_cast<TXLSCellRef*>(std::as_const(*this).Find(row, column));
    }
    // Adds a blank cell; the position must not hold one yet.
    TXLSCellRef& Insert(RowIndex row, ColumnIndex column, XfIndex xf);

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
        std::uint8_t capacity = Local;

        const TXLSCellRef* Data() const { return spilled ? spilled.get() : local.data(); }
        TXLSCellRef* Data() { return spilled ? spilled.get() : local.data(); }
        std::span<const TXLSCellRef> Cells() const { return {Data(), count}; }
        // A row holds a handful of cells: a walk beats a binary search.
        const TXLSCellRef* Find(std::uint8_t column) const {
            const TXLSCellRef* const first = Data();
            for (std::uint8_t i = 0; i < count; ++i) {
                if (first[i].Column().value >= column) {
                    return first[i].Column().value == column ? first + i : nullptr;
                }
            }
            return nullptr;
        }
        TXLSCellRef& Insert(const TXLSCellRef& cell);
    };
    // Five cells of the first half in place: the export's rows have five.
    struct RowBlock {
        ColumnBlock<5> low;
        ColumnBlock<0> high;
    };
    using RowGroup = std::array<RowBlock, 256>;

    const RowBlock* FindRow(RowIndex row) const;
    RowBlock& RowForWriting(RowIndex row);

    std::array<std::unique_ptr<RowGroup>, 256> groups_;
    std::size_t count_ = 0;
};

}  // namespace xls
