#pragma once

// The sparse cell store of a worksheet (TXLSCellHeap): only the cells
// present, found by row and then by column.

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <vector>

#include "xls/model/cell_ref.h"
#include "xls/model/ids.h"

namespace xls {

// The cells of one sheet: a list per row, in column order, for the rows up
// to the highest one holding a cell. A row holds a handful of cells, so a
// binary search in it is all a look-up needs.
//
// References returned stay valid until the next Insert into the same row.
class TXLSCellHeap {
    using Row = std::vector<TXLSCellRef>;

  public:
    const TXLSCellRef* Find(RowIndex row, ColumnIndex column) const {
        return row.value < rows_.size() ? FindInRow(rows_[row.value], column) : nullptr;
    }
    TXLSCellRef* Find(RowIndex row, ColumnIndex column) {
        return row.value < rows_.size() ? FindInRow(rows_[row.value], column) : nullptr;
    }

    // Adds a blank cell; the position must not hold one yet.
    TXLSCellRef& Insert(RowIndex row, ColumnIndex column, XfIndex xf) {
        assert(Find(row, column) == nullptr);
        ++count_;
        return InsertInRow(RowForWriting(row), TXLSCellRef(row, column, xf));
    }

    std::size_t Count() const { return count_; }

    // fn(cell) for each cell of a row, in column order.
    template <class Fn>
    void ForEachInRow(RowIndex row, Fn&& fn) const {
        if (row.value < rows_.size()) {
            std::for_each(rows_[row.value].begin(), rows_[row.value].end(), fn);
        }
    }

    // The cells of one row, as ForEachRowDown hands them out.
    class RowOfCells {
      public:
        explicit RowOfCells(Row& cells) : cells_(&cells) {}
        TXLSCellRef* Find(ColumnIndex column) const { return FindInRow(*cells_, column); }

      private:
        Row* cells_;
    };
    // fn(RowOfCells) for each row first..last that may hold a cell, top down.
    template <class Fn>
    void ForEachRowDown(RowIndex first, RowIndex last, Fn&& fn) {
        const std::size_t end = std::min<std::size_t>(std::size_t{last.value} + 1, rows_.size());
        for (std::size_t r = first.value; r < end; ++r) {
            fn(RowOfCells(rows_[r]));
        }
    }

    // For each row first..last, top down, fn(cell) on the cell of `column`:
    // a row without one gets it first, of the XF newCellXf(row) gives.
    template <class NewCellXf, class Fn>
    void ForEachDownMaking(RowIndex first, RowIndex last, ColumnIndex column, NewCellXf&& newCellXf,
                           Fn&& fn) {
        RowForWriting(last);
        for (int r = first.value; r <= last.value; ++r) {
            Row& cells = rows_[static_cast<std::size_t>(r)];
            TXLSCellRef* cell = FindInRow(cells, column);
            if (cell == nullptr) {
                const RowIndex row{static_cast<std::uint16_t>(r)};
                ++count_;
                cell = &InsertInRow(cells, TXLSCellRef(row, column, newCellXf(row)));
            }
            fn(*cell);
        }
    }

  private:
    static TXLSCellRef* FindInRow(const Row& cells, ColumnIndex column) {
        const auto found = LowerBound(cells, column);
        return found != cells.end() && found->Column() == column ? const_cast<TXLSCellRef*>(&*found)
                                                                 : nullptr;
    }
    static Row::const_iterator LowerBound(const Row& cells, ColumnIndex column) {
        return std::lower_bound(
            cells.begin(), cells.end(), column,
            [](const TXLSCellRef& cell, ColumnIndex c) { return cell.Column().value < c.value; });
    }
    static TXLSCellRef& InsertInRow(Row& cells, const TXLSCellRef& cell) {
        return *cells.insert(LowerBound(cells, cell.Column()), cell);
    }
    Row& RowForWriting(RowIndex row) {
        if (row.value >= rows_.size()) {
            rows_.resize(std::size_t{row.value} + 1);
        }
        return rows_[row.value];
    }

    std::vector<Row> rows_;
    std::size_t count_ = 0;
};

}  // namespace xls
