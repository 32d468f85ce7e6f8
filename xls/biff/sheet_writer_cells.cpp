#include "xls/biff/sheet_writer_cells.h"

#include <algorithm>

#include "xls/biff/biff_records_cells.h"
#include "xls/biff/formula_tokens.h"
#include "xls/biff/rk_number.h"
#include "xls/formats/xf_list.h"
#include "xls/model/string_table.h"
#include "xls/model/worksheet.h"

namespace xls {
namespace {

constexpr int kRowsPerBlock = 32;
constexpr std::uint32_t kRowRecordLength = 20;

// Grows the extent of the written cell records.
class ExtentTracker {
  public:
    void include(std::uint16_t row, std::uint16_t firstColumn, std::uint16_t lastColumn) {
        if (!extent_) {
            extent_ = records::Extent{row, row + 1u, firstColumn,
                                      static_cast<std::uint16_t>(lastColumn + 1)};
            return;
        }
        extent_->firstRow = std::min<std::uint32_t>(extent_->firstRow, row);
        extent_->lastRowPlus1 = std::max<std::uint32_t>(extent_->lastRowPlus1, row + 1u);
        extent_->firstColumn = std::min(extent_->firstColumn, firstColumn);
        extent_->lastColumnPlus1 =
            std::max(extent_->lastColumnPlus1, static_cast<std::uint16_t>(lastColumn + 1));
    }
    const std::optional<records::Extent>& extent() const { return extent_; }

  private:
    std::optional<records::Extent> extent_;
};

// Writes the cell records of the rows, one row at a time, keeping the two
// open runs (blank cells, RK numbers). The run buffers are reused from row to
// row, so writing cells allocates nothing once they have grown.
class CellRecordWriter {
  public:
    CellRecordWriter(const IXLSWorksheet& sheet, const SheetWriteContext& context, RecordList& out)
        : sheet_(sheet), context_(context), out_(out) {
        // Every cell asks for its format's ixfe: a table of them, made once.
        ixfes_.resize(static_cast<std::size_t>(context.xfs.Count()));
        for (std::size_t xf = 0; xf < ixfes_.size(); ++xf) {
            ixfes_[xf] = context.xfs.WrittenIxfe(XfIndex{static_cast<std::int32_t>(xf)});
        }
    }

    void writeRow(RowIndex row);
    const std::optional<records::Extent>& extent() const { return extent_.extent(); }

  private:
    std::uint16_t ixfe(XfIndex xf) const {
        return xf.value >= 0 && static_cast<std::size_t>(xf.value) < ixfes_.size()
                   ? ixfes_[static_cast<std::size_t>(xf.value)]
                   : context_.xfs.WrittenIxfe(xf);
    }
    void writeCell(const TXLSCellRef& cell);
    void writeValue(const TXLSCellRef& cell);
    void writeFormula(const TXLSCellRef& cell, const records::CellPosition& position);
    void writeBlank(std::uint16_t row, std::uint16_t column, std::uint16_t ixfe);
    void writeMergedArea(const TXLSCellRef& master);
    void flushBlanks() {
        if (!blankRun_.empty()) {
            writeBlankRun();
        }
    }
    void flushNumbers() {
        if (!numberRun_.empty()) {
            writeNumberRun();
        }
    }
    void writeBlankRun();
    void writeNumberRun();
    void flushRuns() {
        flushBlanks();
        flushNumbers();
    }

    const IXLSWorksheet& sheet_;
    const SheetWriteContext& context_;
    RecordList& out_;
    ExtentTracker extent_;

    std::uint16_t row_ = 0;
    std::uint16_t blankStart_ = 0;
    std::vector<std::uint16_t> blankRun_;
    std::uint16_t numberStart_ = 0;
    std::vector<records::RkCell> numberRun_;
    std::vector<std::uint16_t> ixfes_;  // by XF index
};

void CellRecordWriter::writeRow(RowIndex row) {
    row_ = row.value;
    int previousColumn = -2;
    sheet_.CellHeap().ForEachInRow(row, [&](const TXLSCellRef& cell) {
        if (cell.Column().value != previousColumn + 1) {
            flushRuns();  // a column without a cell ends both runs
        }
        previousColumn = cell.Column().value;
        writeCell(cell);
    });
    flushRuns();
}

void CellRecordWriter::writeCell(const TXLSCellRef& cell) {
    const std::uint16_t column = cell.Column().value;
    if (cell.Merged()) {
        flushRuns();
        if (cell.MergeMaster()) {
            writeMergedArea(cell);
        }
        return;  // the other cells of an area were written at its master
    }
    if (cell.Kind() == CellKind::Blank) {
        flushNumbers();
        if (blankRun_.empty()) {
            blankStart_ = column;
        }
        blankRun_.push_back(ixfe(cell.Xf()));
        return;
    }
    if (cell.Kind() == CellKind::Number) {
        if (const auto rk = rkForm(cell.Number())) {
            flushBlanks();
            if (numberRun_.empty()) {
                numberStart_ = column;
            }
            numberRun_.push_back({ixfe(cell.Xf()), *rk});
            return;
        }
    }
    flushRuns();
    writeValue(cell);
}

// One cell record for a cell outside the runs; numbers are NUMBER here.
void CellRecordWriter::writeValue(const TXLSCellRef& cell) {
    const records::CellPosition position{row_, cell.Column().value, ixfe(cell.Xf())};
    switch (cell.Kind()) {
        case CellKind::Text: {
            const std::int32_t isst = context_.strings.WrittenPosition(cell.TextIndex());
            if (isst < 0) {
                // A text the string table does not hold: keep the format only.
                writeBlank(position.row, position.column, position.ixfe);
                return;
            }
            records::addLabelSst(out_, position, static_cast<std::uint32_t>(isst));
            break;
        }
        case CellKind::Blank:
            writeBlank(position.row, position.column, position.ixfe);
            return;
        case CellKind::Boolean:
            records::addBoolErr(out_, position, cell.Number() > 0);
            break;
        case CellKind::Formula:
            writeFormula(cell, position);
            break;
        case CellKind::Number:
        case CellKind::Date:
            records::addNumber(out_, position, cell.Number());
            break;
    }
    extent_.include(position.row, position.column, position.column);
}

void CellRecordWriter::writeFormula(const TXLSCellRef& cell,
                                    const records::CellPosition& position) {
    const TXLSFormula* formula = sheet_.Formulas().Find(cell.Row(), cell.Column());
    if (formula == nullptr) {
        // A formula the sheet does not hold: keep its last result.
        records::addNumber(out_, position, cell.Number());
        return;
    }
    records::addFormula(out_, position, cell.Number(), formulaTokens(*formula));
}

// A lone blank cell carries nothing but its format: without one it is left out.
void CellRecordWriter::writeBlank(std::uint16_t row, std::uint16_t column, std::uint16_t ixfe) {
    if (ixfe == 0) {
        return;
    }
    records::addBlank(out_, {row, column, ixfe});
    extent_.include(row, column, column);
}

// The master's value, then a BLANK for every other cell of the area (its own
// format, or the master's where no cell is stored), then the MERGEDCELLS,
// all here, also for the area's cells in later rows.
void CellRecordWriter::writeMergedArea(const TXLSCellRef& master) {
    writeValue(master);
    const TXLSMergedArea* area = sheet_.MergedAreas().FindByMaster(master.Row(), master.Column());
    if (area == nullptr) {
        return;
    }
    const TXLSCellArea cells = area->Area();
    const std::uint16_t masterIxfe = ixfe(master.Xf());
    for (int r = cells.firstRow.value; r <= cells.lastRow.value; ++r) {
        for (int c = cells.firstColumn.value; c <= cells.lastColumn.value; ++c) {
            const RowIndex row{static_cast<std::uint16_t>(r)};
            const ColumnIndex column{static_cast<std::uint8_t>(c)};
            if (row == master.Row() && column == master.Column()) {
                continue;
            }
            const TXLSCellRef* cell = sheet_.Cell(row, column);
            writeBlank(row.value, column.value, cell != nullptr ? ixfe(cell->Xf()) : masterIxfe);
        }
    }
    // A single cell is no merged area to a reader; nothing to record.
    if (cells.RowCount() * cells.ColumnCount() > 1) {
        records::addMergedCells(out_, {cells.firstRow.value, cells.lastRow.value,
                                       cells.firstColumn.value, cells.lastColumn.value});
    }
}

void CellRecordWriter::writeBlankRun() {
    if (blankRun_.size() == 1) {
        writeBlank(row_, blankStart_, blankRun_.front());
    } else if (blankRun_.size() > 1) {
        records::addMulBlank(out_, row_, blankStart_, blankRun_);
        extent_.include(row_, blankStart_,
                        static_cast<std::uint16_t>(blankStart_ + blankRun_.size() - 1));
    }
    blankRun_.clear();
}

void CellRecordWriter::writeNumberRun() {
    if (numberRun_.size() == 1) {
        records::addRk(out_, {row_, numberStart_, numberRun_.front().ixfe}, numberRun_.front().rk);
        extent_.include(row_, numberStart_, numberStart_);
    } else if (numberRun_.size() > 1) {
        records::addMulRk(out_, row_, numberStart_, numberRun_);
        extent_.include(row_, numberStart_,
                        static_cast<std::uint16_t>(numberStart_ + numberRun_.size() - 1));
    }
    numberRun_.clear();
}

std::uint8_t outlineLevelOf(const TXLSRowInfoList& rows, int row) {
    if (row < 0 || row > kLastRow.value) {
        return 0;
    }
    const TXLSRowInfo* info = rows.Find(RowIndex{static_cast<std::uint16_t>(row)});
    return info != nullptr ? info->outlineLevel : 0;
}

records::RowFields rowFields(const IXLSWorksheet& sheet, const SheetWriteContext& context, int row,
                             const TXLSRowInfo& info) {
    const TXLSRowInfoList& rows = sheet.Rows();
    const bool hasColumns = info.firstColumn >= 0 && info.lastColumn >= 0;
    return {
        .row = static_cast<std::uint16_t>(row),
        .colMic = static_cast<std::uint16_t>(hasColumns ? info.firstColumn : 0),
        .colMac = static_cast<std::uint16_t>(hasColumns ? info.lastColumn + 1 : 0),
        .height = info.height,
        .ownHeight = info.ownHeight,
        .hidden = info.hidden,
        .ownFormat = info.ownFormat,
        .ixfe = context.xfs.WrittenIxfe(info.xf),
        .outlineLevel = info.outlineLevel,
        .outlineBorder = info.outlineLevel != outlineLevelOf(rows, row - 1) ||
                         info.outlineLevel != outlineLevelOf(rows, row + 1),
    };
}

// rgdb of a DBCELL: the first row's first cell from the end of the block's
// first ROW record, each further one from the previous; from the first
// offset that does not fit 16 bits on, all are 0.
void dbCellOffsets(std::uint32_t blockStart, const std::vector<std::uint32_t>& firstCells,
                   std::vector<std::uint16_t>& offsets) {
    offsets.clear();
    std::uint32_t previous = blockStart + kRowRecordLength;
    bool overflowed = false;
    for (const std::uint32_t position : firstCells) {
        const std::uint32_t offset = position - previous;
        overflowed = overflowed || offset > 0xFFFF;
        offsets.push_back(overflowed ? 0 : static_cast<std::uint16_t>(offset));
        previous = position;
    }
}

}  // namespace

namespace {

// The blocks of the rows `firstRow` (a block's start) to `lastRow` into
// `cellTable`.
CellTableSummary buildBlocks(const IXLSWorksheet& sheet, const SheetWriteContext& context,
                             int firstRow, int lastRow, RecordList& cellTable) {
    CellTableSummary summary;
    const TXLSRowInfoList& rows = sheet.Rows();
    CellRecordWriter cells(sheet, context, cellTable);
    std::vector<std::uint32_t> firstCells;
    std::vector<std::uint16_t> offsets;
    for (int blockStart = firstRow; blockStart <= lastRow; blockStart += kRowsPerBlock) {
        const int blockEnd = std::min(blockStart + kRowsPerBlock - 1, lastRow);
        const auto blockBegin = static_cast<std::uint32_t>(cellTable.length());
        for (int row = blockStart; row <= blockEnd; ++row) {
            if (const TXLSRowInfo* info = rows.Find(RowIndex{static_cast<std::uint16_t>(row)})) {
                records::addRow(cellTable, rowFields(sheet, context, row, *info));
                summary.highestRowOutlineLevel =
                    std::max(summary.highestRowOutlineLevel, info->outlineLevel);
            }
        }
        firstCells.clear();
        for (int row = blockStart; row <= blockEnd; ++row) {
            const RowIndex index{static_cast<std::uint16_t>(row)};
            if (rows.Find(index) != nullptr) {
                firstCells.push_back(static_cast<std::uint32_t>(cellTable.length()));
                cells.writeRow(index);
            }
        }
        const auto dbCellPosition = static_cast<std::uint32_t>(cellTable.length());
        dbCellOffsets(blockBegin, firstCells, offsets);
        records::addDbCell(cellTable, dbCellPosition - blockBegin, offsets);
        summary.dbCellPositions.push_back(dbCellPosition);
    }
    summary.extent = cells.extent();
    return summary;
}

}  // namespace

CellTableSummary buildCellTable(const IXLSWorksheet& sheet, const SheetWriteContext& context,
                                RecordList& cellTable) {
    const TXLSRowInfoList& rows = sheet.Rows();
    const std::optional<RowIndex> lowest = rows.LowestRow();
    const std::optional<RowIndex> highest = rows.HighestRow();
    if (!lowest || !highest) {
        CellTableSummary summary;
        summary.dbCellPositions.push_back(0);
        records::addDbCell(cellTable, 0, {});
        return summary;
    }
    CellTableSummary summary =
        buildBlocks(sheet, context, lowest->value, highest->value, cellTable);
    summary.firstRow = static_cast<std::uint32_t>(lowest->value);
    summary.lastRowPlus1 = static_cast<std::uint32_t>(highest->value + 1);
    return summary;
}

}  // namespace xls
