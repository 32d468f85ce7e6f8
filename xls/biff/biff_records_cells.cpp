#include "xls/biff/biff_records_cells.h"

#include "xls/biff/biff_record_types.h"

namespace xls::records {
namespace {

void cellStart(RecordBuffer& b, const CellPosition& cell) {
    b.u16(cell.row);
    b.u16(cell.column);
    b.u16(cell.ixfe);
}

}  // namespace

// ROW, 16 bytes ([MS-XLS] 2.4.221)
//   0  2  rw
//   2  2  colMic   first stored column
//   4  2  colMac   last stored column + 1
//   6  2  miyRw    height in twips; 255 | 0x8000 without a height of its own
//   8  2  irwMac   0
//  10  2  reserved 0
//  12  2  grbit    outline level (0-2), 0x0010 outline border, 0x0020 hidden,
//                  0x0040 own height, 0x0080 own format, 0x0100 always
//  14  2  ixfe     the row's format, 15 without one of its own
void addRow(RecordList& list, const RowFields& fields) {
    const std::uint16_t height =
        fields.ownHeight ? fields.height : static_cast<std::uint16_t>(255 | 0x8000);
    const std::uint16_t grbit = static_cast<std::uint16_t>(
        0x0100 | (fields.ownFormat ? 0x0080 : 0) | (fields.hidden ? 0x0020 : 0) |
        (fields.ownHeight && !fields.hidden ? 0x0040 : 0) | (fields.outlineLevel & 0x7) |
        (fields.outlineBorder ? 0x0010 : 0));
    list.build(rt::kRow, 16, [&](RecordBuffer& b) {
        b.u16(fields.row);
        b.u16(fields.colMic);
        b.u16(fields.colMac);
        b.u16(height);
        b.u16(0);
        b.u16(0);
        b.u16(grbit);
        b.u16(fields.ownFormat ? fields.ixfe : 15);
    });
}

// DBCELL, 4 + 2m bytes ([MS-XLS] 2.4.78)
//   0  4  dbRtrw  from the block's first ROW to this record
//   4 2m  rgdb    offsets of the rows' first cell records
void addDbCell(RecordList& list, std::uint32_t dbRtrw, std::span<const std::uint16_t> offsets) {
    list.build(rt::kDbCell, 4 + 2 * offsets.size(), [&](RecordBuffer& b) {
        b.u32(dbRtrw);
        for (const std::uint16_t offset : offsets) {
            b.u16(offset);
        }
    });
}

// LABELSST, 10 bytes: rw, col, ixfe (2 each), isst (4).
void addLabelSst(RecordList& list, const CellPosition& cell, std::uint32_t isst) {
    list.build(rt::kLabelSst, 10, [&](RecordBuffer& b) {
        cellStart(b, cell);
        b.u32(isst);
    });
}

// BLANK, 6 bytes: rw, col, ixfe.
void addBlank(RecordList& list, const CellPosition& cell) {
    list.build(rt::kBlank, 6, [&](RecordBuffer& b) { cellStart(b, cell); });
}

// MULBLANK, 6 + 2n bytes ([MS-XLS] 2.4.175)
//   0  2  rw
//   2  2  colFirst
//   4 2n  rgixfe  one per cell
//  4+2n 2 colLast
void addMulBlank(RecordList& list, std::uint16_t row, std::uint16_t firstColumn,
                 std::span<const std::uint16_t> ixfes) {
    list.build(rt::kMulBlank, 6 + 2 * ixfes.size(), [&](RecordBuffer& b) {
        b.u16(row);
        b.u16(firstColumn);
        for (const std::uint16_t ixfe : ixfes) {
            b.u16(ixfe);
        }
        b.u16(static_cast<std::uint16_t>(firstColumn + ixfes.size() - 1));
    });
}

// RK, 10 bytes: rw, col, ixfe (2 each), RK value (4).
void addRk(RecordList& list, const CellPosition& cell, std::uint32_t rk) {
    list.build(rt::kRk, 10, [&](RecordBuffer& b) {
        cellStart(b, cell);
        b.u32(rk);
    });
}

// MULRK, 6 + 6n bytes ([MS-XLS] 2.4.174)
//   0  2  rw
//   2  2  colFirst
//   4 6n  per cell ixfe (2) and RK value (4)
//  4+6n 2 colLast
void addMulRk(RecordList& list, std::uint16_t row, std::uint16_t firstColumn,
              std::span<const RkCell> cells) {
    list.build(rt::kMulRk, 6 + 6 * cells.size(), [&](RecordBuffer& b) {
        b.u16(row);
        b.u16(firstColumn);
        for (const RkCell& cell : cells) {
            b.u16(cell.ixfe);
            b.u32(cell.rk);
        }
        b.u16(static_cast<std::uint16_t>(firstColumn + cells.size() - 1));
    });
}

// NUMBER, 14 bytes: rw, col, ixfe (2 each), the IEEE double (8).
void addNumber(RecordList& list, const CellPosition& cell, double value) {
    list.build(rt::kNumber, 14, [&](RecordBuffer& b) {
        cellStart(b, cell);
        b.f64(value);
    });
}

// BOOLERR, 8 bytes: rw, col, ixfe (2 each), bBoolErr (1), fError 0 (1).
void addBoolErr(RecordList& list, const CellPosition& cell, bool value) {
    list.build(rt::kBoolErr, 8, [&](RecordBuffer& b) {
        cellStart(b, cell);
        b.u8(value ? 1 : 0);
        b.u8(0);
    });
}

// FORMULA with a numeric result, 22 + cce bytes ([MS-XLS] 2.4.127)
//   0  2  rw
//   2  2  col
//   4  2  ixfe
//   6  8  val     the last result, an IEEE double
//  14  2  grbit   0: fAlwaysCalc clear (the result is current), not shared
//  16  4  chn     0
//  20  2  cce     length of rgce
//  22 cce rgce    the parsed expression
void addFormula(RecordList& list, const CellPosition& cell, double lastResult,
                std::span<const std::uint8_t> rgce) {
    list.build(rt::kFormula, 22 + rgce.size(), [&](RecordBuffer& b) {
        cellStart(b, cell);
        b.f64(lastResult);
        b.u16(0);
        b.u32(0);
        b.u16(static_cast<std::uint16_t>(rgce.size()));
        b.raw(rgce);
    });
}

// MERGEDCELLS with one area, 10 bytes ([MS-XLS] 2.4.168)
//   0  2  cmcs      1
//   2  2  rwFirst
//   4  2  rwLast
//   6  2  colFirst
//   8  2  colLast
void addMergedCells(RecordList& list, const CellArea& area) {
    list.build(rt::kMergedCells, 10, [&](RecordBuffer& b) {
        b.u16(1);
        b.u16(area.firstRow);
        b.u16(area.lastRow);
        b.u16(area.firstColumn);
        b.u16(area.lastColumn);
    });
}

}  // namespace xls::records
