#include "calc/text_grid.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

namespace ek::calc {

namespace {

// Replaced texts are given up only when there are many of them and they
// outweigh the texts in use, so that a table filled once never copies.
constexpr std::size_t kUnusedToDrop = 1 << 16;

// The block's size stays within what a span can address, its capacity too,
// so that a text the block has room for can always be appended.
constexpr std::size_t kMostUnits = std::numeric_limits<std::uint32_t>::max();

}  // namespace

TextGrid::TextGrid(int columns, int rows) : columns_(columns < 0 ? 0 : columns) {
    setRowCount(rows);
}

void TextGrid::setRowCount(int rows) {
    rows_ = rows < 0 ? 0 : rows;
    const std::size_t cells = static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_);
    for (std::size_t i = cells; i < cells_.size(); ++i)
        unused_ += cells_[i].length;
    cells_.resize(cells);
    // A table cut to a fraction of a long one gives its block back.
    if (cells < cells_.capacity() / 2)
        cells_.shrink_to_fit();
    dropUnusedTexts();
}

void TextGrid::replaceCell(int column, int row, std::u16string_view value) {
    if (row < 0 || row >= rows_ || column < 0) {
        throw std::out_of_range("TextGrid::setCell outside the grid");
    }
    if (column >= columns_) {
        const int wider = column + 1;
        std::vector<Span> cells(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(wider));
        for (int r = 0; r < rows_; ++r) {
            for (int c = 0; c < columns_; ++c)
                cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(wider) +
                      static_cast<std::size_t>(c)] = cells_[place(c, r)];
        }
        cells_ = std::move(cells);
        columns_ = wider;
    }
    Span& span = cells_[place(column, row)];
    if (value.size() <= span.length) {
        // Over the old text: a view of the grid's own text may overlap it.
        if (!value.empty())
            std::char_traits<char16_t>::move(texts_.data() + span.start, value.data(),
                                             value.size());
        unused_ += span.length - value.size();
        span.length = static_cast<std::uint32_t>(value.size());
        return;
    }
    if (texts_.size() + value.size() > kMostUnits)
        throw std::length_error("TextGrid texts too long");
    if (showsOwnText(value)) {
        // Copied first: the block may move as it grows.
        const Text copy(value);
        replaceCell(column, row, copy);
        return;
    }
    if (texts_.size() + value.size() > texts_.capacity()) {
        texts_.reserve(std::min(
            std::max(texts_.size() + value.size(), texts_.size() + texts_.size() / 2), kMostUnits));
    }
    unused_ += span.length;
    appendText(span, value);
    dropUnusedTexts();
}

void TextGrid::clearDataRows() {
    for (std::size_t i = static_cast<std::size_t>(columns_); i < cells_.size(); ++i) {
        unused_ += cells_[i].length;
        cells_[i] = Span{};
    }
    dropUnusedTexts();
}

std::vector<Text> TextGrid::row(int row) const {
    if (row < 0 || row >= rows_) {
        throw std::out_of_range("TextGrid::row outside the grid");
    }
    std::vector<Text> cells;
    cells.reserve(static_cast<std::size_t>(columns_));
    for (int column = 0; column < columns_; ++column)
        cells.emplace_back(cell(column, row));
    return cells;
}

bool operator==(const TextGrid& a, const TextGrid& b) {
    if (a.columns_ != b.columns_ || a.rows_ != b.rows_)
        return false;
    for (int row = 0; row < a.rows_; ++row) {
        for (int column = 0; column < a.columns_; ++column) {
            if (a.cell(column, row) != b.cell(column, row))
                return false;
        }
    }
    return true;
}

void TextGrid::dropUnusedTexts() {
    if (unused_ < kUnusedToDrop || unused_ < texts_.size() - unused_)
        return;
    std::vector<char16_t> kept;
    kept.reserve(texts_.size() - unused_);
    for (Span& span : cells_) {
        const auto start = static_cast<std::uint32_t>(kept.size());
        kept.insert(kept.end(), texts_.begin() + span.start,
                    texts_.begin() + span.start + span.length);
        span.start = start;
    }
    texts_ = std::move(kept);
    unused_ = 0;
}

}  // namespace ek::calc
