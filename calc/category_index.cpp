#include "calc/category_index.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "calc/categories.h"
#include "calc/whole_number.h"

namespace ek::calc {

namespace {

struct IndexLine {
    std::int64_t row = 0;
    Text key;
};

// One bit for each length of a category title: item names rarely have
// one, and those without pass on a single test.
constexpr std::uint64_t titleLengths() {
    std::uint64_t lengths = 0;
    for (const Category& category : kCategories) {
        if (category.title.size() >= 64)
            throw "a title too long for the mask";  // fails the constant evaluation
        lengths |= std::uint64_t{1} << category.title.size();
    }
    return lengths;
}
constexpr std::uint64_t kTitleLengths = titleLengths();

// The category whose title `name` is, if any.
std::optional<std::size_t> categoryTitled(std::u16string_view name) {
    if (name.size() >= 64 || (kTitleLengths >> name.size() & 1) == 0)
        return std::nullopt;
    for (std::size_t c = 0; c < kCategoryCount; ++c) {
        if (name == kCategories[c].title)
            return c;
    }
    return std::nullopt;
}

IndexLine parseIndexLine(const Text& line) {
    const std::size_t blank = line.find(u' ');
    if (blank == Text::npos)
        return {parseWholeNumber(line), Text()};
    return {parseWholeNumber(std::u16string_view(line).substr(0, blank)), line.substr(blank + 1)};
}

}  // namespace

TextList categoryIndex(const TextGrid& workingTable) {
    std::array<std::int64_t, kCategoryCount> headerRows{};
    for (int row = 1; row < workingTable.rowCount(); ++row) {
        if (const std::optional<std::size_t> c = categoryTitled(workingTable.cell(1, row)))
            headerRows[*c] = row;
    }
    // Zero-padding to one width keeps the text order the order of the rows.
    const std::int64_t largest = *std::max_element(headerRows.begin(), headerRows.end());
    const std::size_t width = std::max<std::size_t>(3, digitCount(largest));
    TextList index;
    for (std::size_t c = 0; c < kCategoryCount; ++c) {
        index.push_back(zeroPadded(headerRows[c], width) + u" " + Text(kCategories[c].key));
    }
    std::sort(index.begin(), index.end());
    return index;
}

bool isCategoryTitle(std::u16string_view text) {
    return categoryTitled(text).has_value();
}

std::optional<RepeatedTitle> firstRepeatedTitle(const TextGrid& workingTable) {
    std::array<std::int64_t, kCategoryCount> headerRows{};
    for (int row = 1; row < workingTable.rowCount(); ++row) {
        const std::optional<std::size_t> c = categoryTitled(workingTable.cell(1, row));
        if (!c)
            continue;
        if (headerRows[*c] != 0)
            return RepeatedTitle{kCategories[*c].title, headerRows[*c], row};
        headerRows[*c] = row;
    }
    return std::nullopt;
}

bool holdsCategoryTitle(const TextGrid& workingTable) {
    for (int row = 1; row < workingTable.rowCount(); ++row) {
        if (categoryTitled(workingTable.cell(1, row)))
            return true;
    }
    return false;
}

CategoryRange findCategory(const TextList& index, std::u16string_view key, std::int64_t lastRow) {
    CategoryRange range;
    for (std::size_t i = 0; i < index.size(); ++i) {
        const IndexLine line = parseIndexLine(index[i]);
        if (line.key != key)
            continue;
        range.start = line.row;
        range.end = i + 1 < index.size() ? parseIndexLine(index[i + 1]).row - 1 : lastRow;
    }
    return range;
}

}  // namespace ek::calc
