#pragma once
// A table of text cells (a StringGrid of the working state): a settable row
// count and as many columns as have been set. Reading outside gives empty text.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "calc/text.h"

namespace ek::calc {

class TextGrid {
  public:
    TextGrid() = default;
    TextGrid(int columns, int rows);

    int rowCount() const { return rows_; }
    int columnCount() const { return columns_; }
    // The code units of all cells' texts together.
    std::size_t textUnits() const { return texts_.size() - unused_; }

    // New rows start empty; rows beyond the new count are dropped.
    void setRowCount(int rows);

    // Column first, as the grids are addressed (column, row). The view is
    // valid until the grid next changes.
    std::u16string_view cell(int column, int row) const {
        if (row < 0 || row >= rows_ || column < 0 || column >= columns_)
            return {};
        const Span span = cells_[place(column, row)];
        return std::u16string_view(texts_.data() + span.start, span.length);
    }
    // Grows the columns when `column` lies beyond them; rows must exist.
    // `value` may be a view of one of the grid's own cells.
    void setCell(int column, int row, std::u16string_view value) {
        // Most cells are set once, while the block has room: that text is
        // appended here, anything else (a replacement, a new column, a
        // growing block, a view of the grid's own text) out of line.
        if (row >= 0 && row < rows_ && column >= 0 && column < columns_) {
            Span& span = cells_[place(column, row)];
            if (span.length == 0 && value.size() <= texts_.capacity() - texts_.size() &&
                !showsOwnText(value)) {
                appendText(span, value);
                return;
            }
        }
        replaceCell(column, row, value);
    }

    // Empties every cell of the data rows (row 1 on), keeping the header row.
    void clearDataRows();

    // A copy of the row's cells; throws std::out_of_range outside the rows.
    std::vector<Text> row(int row) const;

    // Equal shape and equal cells.
    friend bool operator==(const TextGrid& a, const TextGrid& b);

  private:
    // Where a cell's text stands in texts_.
    struct Span {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
    };

    std::size_t place(int column, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(column);
    }
    bool showsOwnText(std::u16string_view value) const {
        const char16_t* const begin = texts_.data();
        return !value.empty() && std::less_equal<>()(begin, value.data()) &&
               std::less<>()(value.data(), begin + texts_.size());
    }
    // `value` after the block's texts, shown by `span`; the block has room.
    void appendText(Span& span, std::u16string_view value) {
        const std::size_t at = texts_.size();
        texts_.insert(texts_.end(), value.begin(), value.end());
        span = Span{static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(value.size())};
    }
    void replaceCell(int column, int row, std::u16string_view value);
    // Gives up the texts no cell shows any more once they outweigh the rest.
    void dropUnusedTexts();

    int columns_ = 0;
    int rows_ = 0;
    // Row after row, columns_ cells each. Their texts stand one after the
    // other in one block rather than one heap block per cell: a material list
    // has hundreds of thousands of cells, and making, reading and freeing a
    // block each cost more than the rest of the reading.
    std::vector<Span> cells_;
    // A vector rather than a string: moving an empty grid onto a full one
    // frees the block (a string keeps it).
    std::vector<char16_t> texts_;
    std::size_t unused_ = 0;  // units of texts_ that no cell shows
};

}  // namespace ek::calc
