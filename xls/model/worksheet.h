#pragma once

// IXLSWorksheet, one sheet of the model: its cells, row and column entries,
// merged areas, window and page settings, and the ranges through which callers
// change them.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "xls/formats/xf_change.h"
#include "xls/model/cell_area.h"
#include "xls/model/cell_heap.h"
#include "xls/model/column_info.h"
#include "xls/model/formulas.h"
#include "xls/model/ids.h"
#include "xls/model/merged_areas.h"
#include "xls/model/page_setup.h"
#include "xls/model/range.h"
#include "xls/model/row_info.h"
#include "xls/model/sheet_window.h"
#include "xls/model/used_area.h"

namespace xls {

class TXLSWorkbook;
class Variant;
struct TXLSStoredValue;

// One worksheet: its cells, row and column entries, merged areas and
// settings. Owned by the workbook's sheet collection.
class IXLSWorksheet {
  public:
    IXLSWorksheet(TXLSWorkbook& workbook, int identifier, std::u16string name);
    IXLSWorksheet(const IXLSWorksheet&) = delete;
    IXLSWorksheet& operator=(const IXLSWorksheet&) = delete;

    TXLSWorkbook& Workbook() const { return *workbook_; }
    // 1-based place in the collection.
    int Position() const { return position_; }
    int Identifier() const { return identifier_; }

    const std::u16string& Name() const { return name_; }
    // Renames the sheet when `name` is acceptable; otherwise nothing happens.
    void SetName(std::u16string_view name);

    // 1-based, clamped to the sheet, swapped when reversed; never fails.
    IXLSRange Range(int row1, int column1, int row2, int column2);
    IXLSRange Cells();

    // Read-only view of what the sheet holds.
    bool Selected() const { return selected_; }
    SheetVisibility Visibility() const { return visibility_; }
    const TXLSUsedArea& UsedArea() const { return usedArea_; }
    const TXLSCellHeap& CellHeap() const { return cells_; }
    const TXLSCellRef* Cell(RowIndex row, ColumnIndex column) const {
        return cells_.Find(row, column);
    }
    const TXLSRowInfoList& Rows() const { return rows_; }
    const TXLSColumnInfoList& Columns() const { return columns_; }
    const TXLSMergedAreas& MergedAreas() const { return merged_; }
    const TXLSFormulas& Formulas() const { return formulas_; }
    const TXLSPageSetup& PageSetup() const { return pageSetup_; }
    const TXLSSheetWindow& Window() const { return window_; }
    std::uint16_t DefaultRowHeight() const { return rows_.Default().height; }
    std::uint16_t DefaultColumnWidth() const { return columns_.Default().width; }

    // The format that applies at a position: the cell's own XF when it has
    // one, else the column's, else the row's (or the default entries').
    XfIndex EffectiveXf(RowIndex row, ColumnIndex column) const;
    // The same for a cell already at hand, without looking it up again.
    XfIndex EffectiveXf(const TXLSCellRef& cell) const;
    bool OwnsXf(RowIndex row, ColumnIndex column) const;

    // Where the sheet's substream began in the last save (set by the writer).
    std::uint32_t StreamPosition() const { return streamPosition_; }
    void SetStreamPosition(std::uint32_t position) { streamPosition_ = position; }

  private:
    friend class IXLSRange;
    friend class IXLSFont;
    friend class IXLSInterior;
    friend class IXLSBorders;
    friend class IXLSWorkSheets;

    // The column's format, else the row's (or the default entries').
    XfIndex InheritedXf(RowIndex row, ColumnIndex column) const;
    // The same with the row's entry at hand (null when the row has none).
    XfIndex InheritedXf(ColumnIndex column, const TXLSRowInfo* rowInfo) const;
    // Get-or-create for writing (cell, used area, row entry). Inline: every
    // setter visits every cell of its range, and most cells exist already.
    TXLSCellRef& CellForWriting(RowIndex row, ColumnIndex column) {
        if (TXLSCellRef* cell = cells_.Find(row, column)) {
            return *cell;
        }
        return NewCell(row, column);
    }
    TXLSCellRef& NewCell(RowIndex row, ColumnIndex column);
    // What a new cell changes beside the cell store (used area, row entry,
    // references); returns the format it takes.
    XfIndex EnterNewCell(RowIndex row, ColumnIndex column);
    // The same but for the used area, for a walk down a column that widens
    // it once at its end.
    XfIndex EnterNewCellOfColumn(RowIndex row, ColumnIndex column);
    void StoreValue(const TXLSCellArea& area, const Variant& value);
    void StoreLiteralText(const TXLSCellArea& area, std::u16string_view text);
    void StoreFormula(const TXLSCellArea& area, const TXLSFormula& formula, double lastResult);
    void Store(const TXLSCellArea& area, const TXLSStoredValue& value);
    // One cell of Store.
    void StoreIn(RowIndex row, ColumnIndex column, const TXLSStoredValue& value);
    void StoreInCell(TXLSCellRef& cell, const TXLSStoredValue& value);
    // StoreLiteralText of texts[i] into the cell i rows below `firstRow`, one
    // after the other; InvalidIndexError at the first row past the sheet.
    void StoreLiteralTextsDown(RowIndex firstRow, ColumnIndex column,
                               std::span<const std::u16string_view> texts);
    void ReleaseContent(TXLSCellRef& cell);
    void Merge(const TXLSCellArea& area, bool across);
    void SetColumnWidthUnits(const TXLSCellArea& area, std::uint16_t units);
    // One setter over a range, with the reuse of the previous cell's result.
    void ApplyChange(const TXLSCellArea& area, const TXLSXfChange& change);
    void ApplyBorderColor(const TXLSCellArea& area, ColorNumber color);
    void ClearFacingEdges(const TXLSCellArea& area);

    void SetPosition(int position) { position_ = position; }
    void SetSelected(bool selected) { selected_ = selected; }

    TXLSWorkbook* workbook_;
    int identifier_;
    int position_ = 0;
    std::u16string name_;
    bool selected_ = false;
    SheetVisibility visibility_ = SheetVisibility::Visible;
    TXLSCellHeap cells_;
    TXLSUsedArea usedArea_;
    TXLSRowInfoList rows_;
    TXLSColumnInfoList columns_;
    TXLSMergedAreas merged_;
    TXLSFormulas formulas_;
    TXLSPageSetup pageSetup_;
    TXLSSheetWindow window_;
    std::uint32_t streamPosition_ = 0;
};

}  // namespace xls
