#include "fuzz/expected_workbook.h"

#include <algorithm>

#include "xls/model/sheet_name.h"

namespace ek::fuzz {

namespace {

constexpr int kRows = 65536;
constexpr int kColumns = 256;
constexpr std::size_t kMaxNameLength = 31;
constexpr std::size_t kMaxCellText = 32767;
constexpr std::u16string_view kForbiddenInNames = u"[:*?/\\]";

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

std::u16string decimal(std::size_t n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

CellBlock rangeBlock(int row1, int column1, int row2, int column2) {
    row1 = std::clamp(row1, 1, kRows);
    row2 = std::clamp(row2, 1, kRows);
    column1 = std::clamp(column1, 1, kColumns);
    column2 = std::clamp(column2, 1, kColumns);
    return {std::min(row1, row2) - 1, std::max(row1, row2) - 1, std::min(column1, column2) - 1,
            std::max(column1, column2) - 1};
}

std::u16string cellText(std::u16string text) {
    if (text.size() > kMaxCellText) {
        const bool splitsPair = isHighSurrogate(text[kMaxCellText - 1]) &&
                                text[kMaxCellText] >= 0xDC00 && text[kMaxCellText] <= 0xDFFF;
        text.resize(splitsPair ? kMaxCellText - 1 : kMaxCellText);
    }
    return text;
}

bool ExpectedWorkbook::acceptableName(const std::u16string& name, std::size_t sheet) const {
    // As spreadsheet programs require: 1 to 31 code units, none of the
    // forbidden characters, no apostrophe at either end, unique ignoring case.
    if (name.empty() || name.size() > kMaxNameLength ||
        name.find_first_of(kForbiddenInNames) != std::u16string::npos || name.front() == u'\'' ||
        name.back() == u'\'')
        return false;
    for (std::size_t other = 0; other < sheets_.size(); ++other) {
        if (other != sheet && xls::SameSheetName(sheets_[other].name, name))
            return false;
    }
    return true;
}

void ExpectedWorkbook::addSheet() {
    std::size_t n = sheets_.size() + 1;
    while (!acceptableName(u"Sheet" + decimal(n), sheets_.size()))
        ++n;
    sheets_.push_back({u"Sheet" + decimal(n), {}, {}});
}

void ExpectedWorkbook::rename(std::size_t sheet, const std::u16string& name) {
    if (acceptableName(name, sheet))
        sheets_.at(sheet).name = name;
}

bool ExpectedWorkbook::hidden(const ExpectedSheet& sheet, int row, int column) const {
    for (const CellBlock& area : sheet.merges) {
        if (area.contains(row, column))
            return row != area.firstRow || column != area.firstColumn;
    }
    return false;
}

void ExpectedWorkbook::store(std::size_t sheet, const CellBlock& block, const ExpectedCell& cell) {
    ExpectedSheet& target = sheets_.at(sheet);
    for (int row = block.firstRow; row <= block.lastRow; ++row) {
        for (int column = block.firstColumn; column <= block.lastColumn; ++column) {
            if (!hidden(target, row, column))
                target.cells[{row, column}] = cell;
        }
    }
}

CellBlock ExpectedWorkbook::widened(std::size_t sheet, CellBlock block) const {
    const std::vector<CellBlock>& areas = sheets_.at(sheet).merges;
    for (bool grew = true; grew;) {
        grew = false;
        for (const CellBlock& area : areas) {
            if (block.overlaps(area) && !block.contains(area)) {
                block = {std::min(block.firstRow, area.firstRow),
                         std::max(block.lastRow, area.lastRow),
                         std::min(block.firstColumn, area.firstColumn),
                         std::max(block.lastColumn, area.lastColumn)};
                grew = true;
            }
        }
    }
    return block;
}

void ExpectedWorkbook::merge(std::size_t sheet, const CellBlock& requested, bool across) {
    const CellBlock block = widened(sheet, requested);
    ExpectedSheet& target = sheets_.at(sheet);
    std::erase_if(target.merges, [&](const CellBlock& area) { return block.contains(area); });
    if (across) {
        for (int row = block.firstRow; row <= block.lastRow; ++row)
            target.merges.push_back({row, row, block.firstColumn, block.lastColumn});
    } else {
        target.merges.push_back(block);
    }
    for (int row = block.firstRow; row <= block.lastRow; ++row) {
        for (int column = block.firstColumn; column <= block.lastColumn; ++column) {
            if (hidden(target, row, column))
                target.cells[{row, column}] = ExpectedCell{};
        }
    }
}

}  // namespace ek::fuzz
