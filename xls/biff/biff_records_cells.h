#pragma once

// One function per record of a worksheet's cell table: ROW and DBCELL, the
// cell records (FORMULA among them) and MERGEDCELLS.

#include <cstdint>
#include <span>

#include "xls/biff/record_list.h"

namespace xls::records {

struct RowFields {
    std::uint16_t row = 0;
    std::uint16_t colMic = 0;  // first stored column
    std::uint16_t colMac = 0;  // last stored column + 1
    std::uint16_t height = 255;
    bool ownHeight = false;
    bool hidden = false;
    bool ownFormat = false;
    std::uint16_t ixfe = 15;
    std::uint8_t outlineLevel = 0;
    bool outlineBorder = false;  // level differs from the row above or below
};
void addRow(RecordList& list, const RowFields& fields);

// dbRtrw and the offsets of a row block's first cells (see the sheet writer).
void addDbCell(RecordList& list, std::uint32_t dbRtrw, std::span<const std::uint16_t> offsets);
constexpr std::size_t dbCellLength(std::size_t rowCount) {
    return 4 + 4 + 2 * rowCount;
}

struct CellPosition {
    std::uint16_t row = 0;
    std::uint16_t column = 0;
    std::uint16_t ixfe = 0;
};

void addLabelSst(RecordList& list, const CellPosition& cell, std::uint32_t isst);
void addBlank(RecordList& list, const CellPosition& cell);
// A run of blank cells from `firstColumn`, one ixfe each (at least two).
void addMulBlank(RecordList& list, std::uint16_t row, std::uint16_t firstColumn,
                 std::span<const std::uint16_t> ixfes);
void addRk(RecordList& list, const CellPosition& cell, std::uint32_t rk);

struct RkCell {
    std::uint16_t ixfe = 0;
    std::uint32_t rk = 0;
};
// A run of RK numbers from `firstColumn` (at least two).
void addMulRk(RecordList& list, std::uint16_t row, std::uint16_t firstColumn,
              std::span<const RkCell> cells);
void addNumber(RecordList& list, const CellPosition& cell, double value);
void addBoolErr(RecordList& list, const CellPosition& cell, bool value);
// A formula cell with its last numeric result and its parsed expression.
void addFormula(RecordList& list, const CellPosition& cell, double lastResult,
                std::span<const std::uint8_t> rgce);

struct CellArea {
    std::uint16_t firstRow = 0;
    std::uint16_t lastRow = 0;
    std::uint16_t firstColumn = 0;
    std::uint16_t lastColumn = 0;
};
// One merged area per record (cmcs 1), written at the area's master.
void addMergedCells(RecordList& list, const CellArea& area);

}  // namespace xls::records
