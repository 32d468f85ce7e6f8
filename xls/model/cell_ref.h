#pragma once

// One stored cell (TXLSCellRef) in 16 bytes: position, kind (blank, text,
// number, date, boolean, formula), merge flags, own XF, and the number (a
// formula's last result) or the text's string-table number.

#include <cstdint>

#include "xls/model/ids.h"

namespace xls {

enum class CellKind : std::uint8_t {
    Blank = 0,
    Text = 1,
    Number = 2,
    Date = 3,
    Boolean = 4,
    Formula = 5,  // the number is its last result; the sheet keeps the formula
};

// One stored cell in 16 bytes: the kind shares a byte with the merge flags,
// and a text cell's string number shares the value slot with the number of
// the other kinds. Merge spans live in the sheet's merged-area list.
class TXLSCellRef {
  public:
    // Left as it comes, so that the cell store's empty slots cost nothing to
    // make; TXLSCellRef{} is a blank cell of A1.
    TXLSCellRef() = default;
    TXLSCellRef(RowIndex row, ColumnIndex column, XfIndex xf)
        : row_(row.value), column_(column.value), state_(0), xf_(xf.value), value_{0.0} {}

    RowIndex Row() const { return RowIndex{row_}; }
    ColumnIndex Column() const { return ColumnIndex{column_}; }
    CellKind Kind() const { return static_cast<CellKind>(state_ & kKindMask); }
    // 0 or less: the cell has no format of its own (read as XF 15).
    XfIndex Xf() const { return XfIndex{xf_}; }
    bool OwnsXf() const { return xf_ > 0; }
    // String-table entry number (from 1) for a text cell, -1 otherwise.
    std::int32_t TextIndex() const { return Kind() == CellKind::Text ? value_.textIndex : -1; }
    // The value of number, date and boolean cells (1.0 / 0.0) and a
    // formula's last result; 0 otherwise.
    double Number() const { return HoldsNumber() ? value_.number : 0.0; }
    bool Merged() const { return (state_ & kMergedFlag) != 0; }
    // The top-left cell of its merged area (spans: the sheet's merged areas).
    bool MergeMaster() const { return (state_ & kMasterFlag) != 0; }

    void SetXf(XfIndex xf) { xf_ = xf.value; }
    void SetBlank() { SetKind(CellKind::Blank); }
    void SetText(std::int32_t textIndex) {
        SetKind(CellKind::Text);
        value_.textIndex = textIndex;
    }
    void SetNumber(CellKind kind, double number) {
        SetKind(kind);
        value_.number = number;
    }
    void SetMerged(bool master) {
        state_ = static_cast<std::uint8_t>((state_ & kKindMask) | kMergedFlag |
                                           (master ? kMasterFlag : 0));
    }

  private:
    static constexpr std::uint8_t kKindMask = 0x07;
    static constexpr std::uint8_t kMergedFlag = 0x40;
    static constexpr std::uint8_t kMasterFlag = 0x80;

    bool HoldsNumber() const {
        const CellKind kind = Kind();
        return kind == CellKind::Number || kind == CellKind::Date || kind == CellKind::Boolean ||
               kind == CellKind::Formula;
    }
    void SetKind(CellKind kind) {
        state_ = static_cast<std::uint8_t>((state_ & ~kKindMask) | static_cast<std::uint8_t>(kind));
        value_.number = 0.0;
    }

    std::uint16_t row_;
    std::uint8_t column_;
    std::uint8_t state_;  // kind, merged, master
    std::int32_t xf_;
    union Value {
        double number;
        std::int32_t textIndex;
    } value_;
};

}  // namespace xls
