#include "calc/text_grid.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>

namespace ek::calc {

namespace {

// Replaced texts are given up only when there are many of them and they
// outweigh the texts in use, so that a table filled once never copies.
constexpr std::size_t kUnusedToDrop = 1 << 16;

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

void TextGrid::setCell(int column, int row, std::u16string_view value) {
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
    const char16_t* const begin = texts_.data();
    const bool own = !value.empty() && std::less_equal<>()(begin, value.data()) &&
                     std::less<>()(value.data(), begin + texts_.size());
    if (value.size() <= span.length) {
        // Over the old text: a view of the grid's own text may overlap it.
        if (!value.empty())
            std::char_traits<char16_t>::move(texts_.data() + span.start, value.data(),
                                             value.size());
        unused_ += span.length - value.size();
        span.length = static_cast<std::uint32_t>(value.size());
        return;
    }
    if (texts_.size() + value.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("TextGrid texts too long");
    if (own) {
        // Copied first: the block may move as it grows.
        const Text copy(value);
        setCell(column, row, copy);
        return;
    }
    if (texts_.size() + value.size() > texts_.capacity())
        texts_.reserve(std::max(texts_.size() + value.size(), texts_.size() + texts_.size() / 2));
    const std::size_t at = texts_.size();
    texts_.insert(texts_.end(), value.begin(), value.end());
    unused_ += span.length;
    span = Span{static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(value.size())};
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
