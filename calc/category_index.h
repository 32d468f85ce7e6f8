#pragma once
// The category index: where each category's header line lies in the working
// table, one line per category ("005 Rost"), in ascending order.

#include <cstdint>
#include <optional>
#include <string_view>

#include "calc/text.h"
#include "calc/text_grid.h"

namespace ek::calc {

// The eight index lines: the header row of each category (0 when absent; the
// last one wins when a title occurs twice), zero-padded to the common width of
// the largest (at least three digits), a blank and the key; sorted.
TextList categoryIndex(const TextGrid& workingTable);

// Whether `text` (a line's first field) is one of the eight category titles,
// whole, case and accents included.
bool isCategoryTitle(std::u16string_view text);

// A category title that heads two parts of the working table: the first
// such pair from the top, by rows.
struct RepeatedTitle {
    std::u16string_view title;
    std::int64_t firstRow = 0;
    std::int64_t secondRow = 0;
};
std::optional<RepeatedTitle> firstRepeatedTitle(const TextGrid& workingTable);

// Whether any row of the working table is a category title.
bool holdsCategoryTitle(const TextGrid& workingTable);

struct CategoryRange {
    std::int64_t start = 0;  // header row, 0 when the key is not in the index
    std::int64_t end = 0;    // last row
};

// The rows of the category `key`: from its header row to the row before the
// next index line's, or to `lastRow` when its line is the index's last.
CategoryRange findCategory(const TextList& index, std::u16string_view key, std::int64_t lastRow);

}  // namespace ek::calc
