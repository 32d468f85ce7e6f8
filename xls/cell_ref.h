#pragma once

#include <cstdint>

#include "xls/ids.h"

namespace xls {

enum class CellKind : std::uint8_t {
    Blank = 0,
    Text = 1,
    Number = 2,
    Date = 3,
    Boolean = 4,
    Formula = 5,  // never produced: "=" texts are stored as text
};

// One stored cell, kept to 24 bytes: the merge spans of a master live in the
// sheet's merged-area list, not here.
class TXLSCellRef {
  public:
    TXLSCellRef() = default;
    TXLSCellRef(RowIndex row, ColumnIndex column, XfIndex xf)
        : row_(row.value), column_(column.value), xf_(xf.value) {}

    RowIndex Row() const { return RowIndex{row_}; }
    ColumnIndex Column() const { return ColumnIndex{column_}; }
    CellKind Kind() const { return kind_; }
    // 0 or less: the cell has no format of its own (read as XF 15).
    XfIndex Xf() const { return XfIndex{xf_}; }
    bool OwnsXf() const { return xf_ > 0; }
    // String-table entry number (from 1) for a text cell, -1 otherwise.
    std::int32_t TextIndex() const { return textIndex_; }
    // The value of number, date and boolean cells (1.0 / 0.0); 0 otherwise.
    double Number() const { return number_; }
    bool Merged() const { return (flags_ & kMergedFlag) != 0; }
    // The top-left cell of its merged area (spans: the sheet's merged areas).
    bool MergeMaster() const { return (flags_ & kMasterFlag) != 0; }

    void SetXf(XfIndex xf) { xf_ = xf.value; }
    void SetBlank() {
        kind_ = CellKind::Blank;
        textIndex_ = -1;
        number_ = 0.0;
    }
    void SetText(std::int32_t textIndex) {
        kind_ = CellKind::Text;
        textIndex_ = textIndex;
        number_ = 0.0;
    }
    void SetNumber(CellKind kind, double number) {
        kind_ = kind;
        textIndex_ = -1;
        number_ = number;
    }
    void SetMerged(bool master) {
        flags_ = static_cast<std::uint8_t>(kMergedFlag | (master ? kMasterFlag : 0));
    }

  private:
    static constexpr std::uint8_t kMergedFlag = 0x01;
    static constexpr std::uint8_t kMasterFlag = 0x02;

    std::uint16_t row_ = 0;
    std::uint8_t column_ = 0;
    CellKind kind_ = CellKind::Blank;
    std::uint8_t flags_ = 0;
    std::int32_t xf_ = 0;
    std::int32_t textIndex_ = -1;
    double number_ = 0.0;
};

}  // namespace xls
