#pragma once
// What a workbook built through the automation-style calls must hold, worked
// out on its own from the rules of those calls: sheet names, the content of
// every cell, merged areas. The workbook fuzz target compares a saved file
// with it.

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ek::fuzz {

struct ExpectedCell {
    enum class Kind { Blank, Text, Number, Boolean };
    Kind kind = Kind::Blank;
    std::u16string text;
    double number = 0.0;
};

// 0-based, first <= last.
struct CellBlock {
    int firstRow = 0, lastRow = 0, firstColumn = 0, lastColumn = 0;

    std::int64_t cellCount() const {
        return std::int64_t{lastRow - firstRow + 1} * (lastColumn - firstColumn + 1);
    }
    bool contains(int row, int column) const {
        return firstRow <= row && row <= lastRow && firstColumn <= column && column <= lastColumn;
    }
    bool contains(const CellBlock& other) const {
        return firstRow <= other.firstRow && other.lastRow <= lastRow &&
               firstColumn <= other.firstColumn && other.lastColumn <= lastColumn;
    }
    bool overlaps(const CellBlock& other) const {
        return firstRow <= other.lastRow && other.firstRow <= lastRow &&
               firstColumn <= other.lastColumn && other.firstColumn <= lastColumn;
    }
};

// The block of Range(row1, column1, row2, column2): clamped, then ordered.
CellBlock rangeBlock(int row1, int column1, int row2, int column2);

struct ExpectedSheet {
    std::u16string name;
    std::map<std::pair<int, int>, ExpectedCell> cells;  // (row, column), 0-based
    std::vector<CellBlock> merges;
};

class ExpectedWorkbook {
  public:
    // Add: "Sheet<n>", n from the count + 1 up to the first acceptable name.
    void addSheet();
    // Name := name, when acceptable.
    void rename(std::size_t sheet, const std::u16string& name);
    // Value := (or the literal assignment of) what becomes `cell`.
    void store(std::size_t sheet, const CellBlock& block, const ExpectedCell& cell);
    void merge(std::size_t sheet, const CellBlock& block, bool across);

    const std::vector<ExpectedSheet>& sheets() const { return sheets_; }
    // The block that merging `block` covers once widened over the areas it crosses.
    CellBlock widened(std::size_t sheet, CellBlock block) const;

  private:
    bool acceptableName(const std::u16string& name, std::size_t sheet) const;
    bool hidden(const ExpectedSheet& sheet, int row, int column) const;

    std::vector<ExpectedSheet> sheets_;
};

// The part of a text a cell keeps: at most 32 767 code units, never half a
// surrogate pair at the cut.
std::u16string cellText(std::u16string text);

}  // namespace ek::fuzz
