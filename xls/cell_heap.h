#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "xls/cell_ref.h"
#include "xls/ids.h"

namespace xls {

// The sparse cell store of one sheet: row / 256, row mod 256, column / 128,
// column mod 128. Blocks are made on first use. The last level keeps only the
// cells present (a 128-bit presence mask and the cells in column order), so
// a row of five cells costs a few hundred bytes, not a 128-slot array.
//
// References returned stay valid until the next Insert into the same row.
class TXLSCellHeap {
  public:
    TXLSCellHeap();
    ~TXLSCellHeap();
    TXLSCellHeap(TXLSCellHeap&&) noexcept;
    TXLSCellHeap& operator=(TXLSCellHeap&&) noexcept;

    const TXLSCellRef* Find(RowIndex row, ColumnIndex column) const;
    TXLSCellRef* Find(RowIndex row, ColumnIndex column);
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
    struct ColumnBlock {
        std::array<std::uint64_t, 2> present{};
        std::vector<TXLSCellRef> cells;  // in column order
    };
    using RowBlock = std::array<ColumnBlock, 2>;
    using RowGroup = std::array<std::unique_ptr<RowBlock>, 256>;

    const RowBlock* FindRow(RowIndex row) const;
    RowBlock& RowForWriting(RowIndex row);

    std::array<std::unique_ptr<RowGroup>, 256> groups_;
    std::size_t count_ = 0;
};

}  // namespace xls
