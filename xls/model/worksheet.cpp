#include "xls/model/worksheet.h"

#include <algorithm>
#include <array>

#include "xls/model/cell_text.h"
#include "xls/model/errors.h"
#include "xls/model/string_table.h"
#include "xls/model/variant.h"
#include "xls/model/workbook.h"

namespace xls {

namespace {

int Clamp(int value, int highest) {
    return std::clamp(value, 1, highest);
}

constexpr TXLSCellArea kWholeSheet{RowIndex{0}, kLastRow, ColumnIndex{0}, kLastColumn};

}  // namespace

// What an assignment stores in a cell, worked out once for a whole range.
struct TXLSStoredValue {
    CellKind kind = CellKind::Blank;
    double number = 0.0;
    std::u16string_view text;  // into `decoded` or the caller's text
    std::u16string decoded;    // a code-page text after decoding
    bool wrap = false;
    bool keep = false;  // a type the cells do not take: they stay blank
};

namespace {

using StoredValue = TXLSStoredValue;

bool HasLineFeed(std::u16string_view text) {
    return text.find(u'\n') != std::u16string_view::npos;
}

void SetText(StoredValue& stored, std::u16string_view text) {
    stored.kind = CellKind::Text;
    stored.text = CutToCellText(text);
    stored.wrap = HasLineFeed(stored.text);
}

// The automation rule: "=" texts stay text (no formulas); the apostrophe
// test comes after the "=" test, so "'=A1" stores "=A1".
void SetAutomationText(StoredValue& stored, std::u16string_view text) {
    if (text.empty()) {
        return;
    }
    if (text.front() == u'\'') {
        text.remove_prefix(1);
    }
    SetText(stored, text);
}

// Fills `stored` in place: its text may point into its own decoded copy.
void DescribeValue(const Variant& value, StoredValue& stored) {
    switch (value.Type()) {
        case VariantType::Empty:
        case VariantType::Null:
            return;
        case VariantType::Date:
            stored.kind = CellKind::Date;
            stored.number = value.Number().value_or(0.0);
            return;
        case VariantType::Boolean:
            stored.kind = CellKind::Boolean;
            stored.number = value.Number().value_or(0.0);
            return;
        case VariantType::Text:
            SetAutomationText(stored, value.TextView());
            return;
        case VariantType::CodePage:
            stored.decoded = value.Text();
            SetAutomationText(stored, stored.decoded);
            return;
        default:
            if (value.IsNumeric()) {
                stored.kind = CellKind::Number;
                stored.number = value.Number().value_or(0.0);
            } else {
                stored.keep = true;
            }
            return;
    }
}

// The previous cell's old and new XF within one setter call, and the
// reference moves of the cells that reused them, counted in one step when
// the run ends (the counts decide nothing while a setter runs).
struct RunCache {
    bool valid = false;
    XfIndex from;
    XfIndex to;
    std::int32_t moved = 0;  // cells that owned `from`
    std::int32_t added = 0;  // cells that inherited `from`
};

}  // namespace

IXLSWorksheet::IXLSWorksheet(TXLSWorkbook& workbook, int identifier, std::u16string name)
    : workbook_(&workbook), identifier_(identifier), name_(std::move(name)) {}

void IXLSWorksheet::SetName(std::u16string_view name) {
    if (workbook_->Worksheets().IsAcceptableName(name, this)) {
        name_ = std::u16string(name);
    }
}

IXLSRange IXLSWorksheet::Range(int row1, int column1, int row2, int column2) {
    row1 = Clamp(row1, kRowCount);
    row2 = Clamp(row2, kRowCount);
    column1 = Clamp(column1, kColumnCount);
    column2 = Clamp(column2, kColumnCount);
    if (row2 < row1) {
        std::swap(row1, row2);
    }
    if (column2 < column1) {
        std::swap(column1, column2);
    }
    return IXLSRange(*this, TXLSCellArea{RowIndex{static_cast<std::uint16_t>(row1 - 1)},
                                         RowIndex{static_cast<std::uint16_t>(row2 - 1)},
                                         ColumnIndex{static_cast<std::uint8_t>(column1 - 1)},
                                         ColumnIndex{static_cast<std::uint8_t>(column2 - 1)}});
}

IXLSRange IXLSWorksheet::Cells() {
    return IXLSRange(*this, kWholeSheet);
}

XfIndex IXLSWorksheet::EffectiveXf(RowIndex row, ColumnIndex column) const {
    if (const TXLSCellRef* cell = cells_.Find(row, column); cell != nullptr && cell->OwnsXf()) {
        return cell->Xf();
    }
    return InheritedXf(row, column);
}

XfIndex IXLSWorksheet::EffectiveXf(const TXLSCellRef& cell) const {
    return cell.OwnsXf() ? cell.Xf() : InheritedXf(cell.Row(), cell.Column());
}

XfIndex IXLSWorksheet::InheritedXf(RowIndex row, ColumnIndex column) const {
    return InheritedXf(column, rows_.Find(row));
}

XfIndex IXLSWorksheet::InheritedXf(ColumnIndex column, const TXLSRowInfo* rowInfo) const {
    const TXLSColumnInfo* columnInfo = columns_.Find(column);
    const XfIndex columnXf = columnInfo != nullptr ? columnInfo->xf : columns_.Default().xf;
    if (columnXf.value != 0) {
        return columnXf;
    }
    return rowInfo != nullptr ? rowInfo->xf : rows_.Default().xf;
}

bool IXLSWorksheet::OwnsXf(RowIndex row, ColumnIndex column) const {
    const TXLSCellRef* cell = cells_.Find(row, column);
    return cell != nullptr && cell->OwnsXf();
}

namespace {

void WidenRowCells(TXLSRowInfo& rowInfo, ColumnIndex column) {
    if (rowInfo.firstColumn < 0 || column.value < rowInfo.firstColumn) {
        rowInfo.firstColumn = column.value;
    }
    if (column.value > rowInfo.lastColumn) {
        rowInfo.lastColumn = column.value;
    }
}

}  // namespace

TXLSCellRef& IXLSWorksheet::NewCell(RowIndex row, ColumnIndex column) {
    const XfIndex xf = EnterNewCell(row, column);
    return cells_.Insert(row, column, xf);
}

inline XfIndex IXLSWorksheet::EnterNewCell(RowIndex row, ColumnIndex column) {
    usedArea_.Include(row, column);
    return EnterNewCellOfColumn(row, column);
}

inline XfIndex IXLSWorksheet::EnterNewCellOfColumn(RowIndex row, ColumnIndex column) {
    // A new cell takes its column's or row's format; the row's entry is
    // looked up once, for both (and made only after the format is known).
    TXLSRowInfo* existingRow = rows_.Find(row);
    const XfIndex xf = InheritedXf(column, existingRow);
    if (xf.value > 0) {
        workbook_->MutableXFList().AddCellReference(xf);
    }
    WidenRowCells(existingRow != nullptr ? *existingRow : rows_.GetOrCreate(row), column);
    return xf;
}

namespace {

// The first and last row a walk down one column made a cell in: the used
// area takes the two, which span every cell made between them.
struct CellsMadeDown {
    int firstRow = -1;
    int lastRow = -1;

    void Note(RowIndex row) {
        firstRow = firstRow < 0 ? row.value : firstRow;
        lastRow = row.value;
    }
    void Widen(TXLSUsedArea& area, ColumnIndex column) const {
        if (firstRow >= 0) {
            area.Include(RowIndex{static_cast<std::uint16_t>(firstRow)}, column);
            area.Include(RowIndex{static_cast<std::uint16_t>(lastRow)}, column);
        }
    }
};

}  // namespace

void IXLSWorksheet::ReleaseContent(TXLSCellRef& cell) {
    if (cell.Kind() == CellKind::Text) {
        workbook_->MutableStringTable().Release(cell.TextIndex());
    } else if (cell.Kind() == CellKind::Formula) {
        formulas_.Remove(cell.Row(), cell.Column());
    }
    cell.SetBlank();
}

void IXLSWorksheet::Store(const TXLSCellArea& area, const TXLSStoredValue& stored) {
    for (int r = area.firstRow.value; r <= area.lastRow.value; ++r) {
        for (int c = area.firstColumn.value; c <= area.lastColumn.value; ++c) {
            StoreIn(RowIndex{static_cast<std::uint16_t>(r)},
                    ColumnIndex{static_cast<std::uint8_t>(c)}, stored);
        }
    }
    workbook_->CountChange();
}

void IXLSWorksheet::StoreIn(RowIndex row, ColumnIndex column, const TXLSStoredValue& stored) {
    StoreInCell(CellForWriting(row, column), stored);
}

inline void IXLSWorksheet::StoreInCell(TXLSCellRef& cell, const TXLSStoredValue& stored) {
    if (cell.Merged() && !cell.MergeMaster()) {
        return;
    }
    ReleaseContent(cell);
    if (stored.keep) {
        return;
    }
    if (stored.kind == CellKind::Text) {
        cell.SetText(workbook_->MutableStringTable().Add(stored.text));
        if (stored.wrap) {
            const RowIndex row = cell.Row();
            const ColumnIndex column = cell.Column();
            ApplyChange({row, row, column, column}, {TXLSXfChange::What::WrapText, 1});
        }
    } else if (stored.kind != CellKind::Blank) {
        cell.SetNumber(stored.kind, stored.number);
    }
}

void IXLSWorksheet::StoreLiteralTextsDown(RowIndex firstRow, ColumnIndex column,
                                          std::span<const std::u16string_view> texts) {
    const std::size_t rowsLeft = std::size_t{kLastRow.value} - firstRow.value + 1;
    const std::size_t storedCount = std::min(texts.size(), rowsLeft);
    workbook_->MutableStringTable().ReserveForMore(storedCount);
    if (storedCount > 0) {
        const RowIndex lastRow{static_cast<std::uint16_t>(firstRow.value + storedCount - 1)};
        StoredValue stored;
        std::size_t i = 0;
        // The cells with a wrapped text get their format on the way: that
        // makes no cell, so the cells at hand stay where they are.
        CellsMadeDown made;
        cells_.ForEachDownMaking(
            firstRow, lastRow, column,
            [&](RowIndex row) {
                made.Note(row);
                return EnterNewCellOfColumn(row, column);
            },
            [&](TXLSCellRef& cell) {
                stored = StoredValue{};
                if (!texts[i].empty()) {
                    SetText(stored, texts[i]);
                }
                StoreInCell(cell, stored);
                workbook_->CountChange();
                ++i;
            });
        made.Widen(usedArea_, column);
    }
    if (texts.size() > rowsLeft) {
        throw InvalidIndexError();
    }
}

void IXLSWorksheet::StoreValue(const TXLSCellArea& area, const Variant& value) {
    StoredValue stored;
    DescribeValue(value, stored);
    Store(area, stored);
}

void IXLSWorksheet::StoreLiteralText(const TXLSCellArea& area, std::u16string_view text) {
    StoredValue stored;
    if (!text.empty()) {
        SetText(stored, text);
    }
    Store(area, stored);
}

void IXLSWorksheet::StoreFormula(const TXLSCellArea& area, const TXLSFormula& formula,
                                 double lastResult) {
    for (int r = area.firstRow.value; r <= area.lastRow.value; ++r) {
        for (int c = area.firstColumn.value; c <= area.lastColumn.value; ++c) {
            TXLSCellRef& cell = CellForWriting(RowIndex{static_cast<std::uint16_t>(r)},
                                               ColumnIndex{static_cast<std::uint8_t>(c)});
            if (cell.Merged() && !cell.MergeMaster()) {
                continue;
            }
            ReleaseContent(cell);
            cell.SetNumber(CellKind::Formula, lastResult);
            formulas_.Set(cell.Row(), cell.Column(), formula);
        }
    }
    workbook_->CountChange();
}

void IXLSWorksheet::Merge(const TXLSCellArea& requested, bool across) {
    const TXLSCellArea area = merged_.Widened(requested);
    merged_.RemoveInside(area);
    for (int r = area.firstRow.value; r <= area.lastRow.value; ++r) {
        for (int c = area.firstColumn.value; c <= area.lastColumn.value; ++c) {
            const RowIndex row{static_cast<std::uint16_t>(r)};
            const ColumnIndex column{static_cast<std::uint8_t>(c)};
            TXLSCellRef& cell = CellForWriting(row, column);
            const bool master = column == area.firstColumn && (across || row == area.firstRow);
            if (!master) {
                ReleaseContent(cell);
            }
            cell.SetMerged(master);
        }
    }
    const auto columns = static_cast<std::uint32_t>(area.ColumnCount());
    if (across) {
        for (int r = area.firstRow.value; r <= area.lastRow.value; ++r) {
            merged_.Add({RowIndex{static_cast<std::uint16_t>(r)}, area.firstColumn, 1, columns});
        }
    } else {
        merged_.Add({area.firstRow, area.firstColumn, static_cast<std::uint32_t>(area.RowCount()),
                     columns});
    }
}

void IXLSWorksheet::SetColumnWidthUnits(const TXLSCellArea& area, std::uint16_t units) {
    for (int c = area.firstColumn.value; c <= area.lastColumn.value; ++c) {
        columns_.GetOrCreate(ColumnIndex{static_cast<std::uint8_t>(c)}).width = units;
    }
}

namespace {

// One cell of a setter call: steps 3 to 6 of applying a setter, with the
// reuse of the previous cell's result when the old XF is the same.
void EndRun(TXLSXFList& xfs, RunCache& run) {
    xfs.MoveCellReferences(run.from, run.to, run.moved);
    xfs.AddCellReferences(run.to, run.added);
    run.moved = 0;
    run.added = 0;
}

// A cell of another old XF than the run's: a new run.
XfIndex StartRun(TXLSXFList& xfs, XfIndex from, bool owned, const TXLSXfChange& change,
                 RunCache& run) {
    EndRun(xfs, run);
    const XfIndex to = xfs.Apply(from, owned, change);
    run = RunCache{true, from, to};
    return to;
}

// Small enough to be inlined into the setters' loops: most cells continue
// the run of the one before.
void ChangeCell(IXLSWorksheet& sheet, TXLSXFList& xfs, TXLSCellRef& cell,
                const TXLSXfChange& change, RunCache& run);

// One cell of a setter over a range.
inline void ApplyToCell(IXLSWorksheet& sheet, TXLSXFList& xfs, TXLSCellRef& cell,
                        const TXLSXfChange& change, bool skipMerged, RunCache& run) {
    if (skipMerged && cell.Merged() && !cell.MergeMaster()) {
        return;
    }
    // The common case in place: a cell of its own format continuing the run.
    if (run.valid && cell.OwnsXf() && cell.Xf() == run.from) {
        ++run.moved;
        cell.SetXf(run.to);
        return;
    }
    ChangeCell(sheet, xfs, cell, change, run);
}

void ChangeCell(IXLSWorksheet& sheet, TXLSXFList& xfs, TXLSCellRef& cell,
                const TXLSXfChange& change, RunCache& run) {
    const bool owned = cell.OwnsXf();
    const XfIndex from = owned ? cell.Xf() : sheet.EffectiveXf(cell);
    if (run.valid && run.from == from) {
        ++(owned ? run.moved : run.added);
        cell.SetXf(run.to);
        return;
    }
    cell.SetXf(StartRun(xfs, from, owned, change, run));
}

}  // namespace

void IXLSWorksheet::ApplyChange(const TXLSCellArea& area, const TXLSXfChange& change) {
    TXLSXFList& xfs = workbook_->MutableXFList();
    const bool skipMerged = change.what != TXLSXfChange::What::BorderColor;
    RunCache run;
    if (area.firstColumn == area.lastColumn) {
        // A column's cells lie in different rows: made in any order, each
        // gets the format it would get made one by one.
        const ColumnIndex column = area.firstColumn;
        CellsMadeDown made;
        cells_.ForEachDownMaking(
            area.firstRow, area.lastRow, column,
            [&](RowIndex row) {
                made.Note(row);
                return EnterNewCellOfColumn(row, column);
            },
            [&](TXLSCellRef& cell) { ApplyToCell(*this, xfs, cell, change, skipMerged, run); });
        made.Widen(usedArea_, column);
    } else {
        for (int r = area.firstRow.value; r <= area.lastRow.value; ++r) {
            for (int c = area.firstColumn.value; c <= area.lastColumn.value; ++c) {
                TXLSCellRef& cell = CellForWriting(RowIndex{static_cast<std::uint16_t>(r)},
                                                   ColumnIndex{static_cast<std::uint8_t>(c)});
                ApplyToCell(*this, xfs, cell, change, skipMerged, run);
            }
        }
    }
    EndRun(xfs, run);
}

void IXLSWorksheet::ApplyBorderColor(const TXLSCellArea& area, ColorNumber color) {
    ApplyChange(area, {TXLSXfChange::What::BorderColor, color.value});
    ClearFacingEdges(area);
}

void IXLSWorksheet::ClearFacingEdges(const TXLSCellArea& area) {
    TXLSXFList& xfs = workbook_->MutableXFList();
    // Neighbours down a column mostly share one format: its flags are read
    // from the key once.
    XfIndex flagsOf{-1};
    std::uint8_t flags = 0;
    const auto clear = [&](TXLSCellRef* cell, BorderEdge edge, RunCache& run) {
        if (cell == nullptr) {
            return;
        }
        // The common case in place: a cell of its own format continuing the
        // run (whose format has borders, or there were no run).
        if (run.valid && cell->OwnsXf() && cell->Xf() == run.from) {
            ++run.moved;
            cell->SetXf(run.to);
            return;
        }
        const XfIndex xf = TXLSXFList::CellXf(EffectiveXf(*cell));
        if (xf != flagsOf) {
            flagsOf = xf;
            flags = xfs.UsedFlags(xf);
        }
        if ((flags & kXfBorders) == 0) {
            return;
        }
        ChangeCell(*this, xfs, *cell,
                   {TXLSXfChange::What::ClearEdge, static_cast<std::uint32_t>(edge)}, run);
    };
    const int top = area.firstRow.value;
    const int bottom = area.lastRow.value;
    const int left = area.firstColumn.value;
    const int right = area.lastColumn.value;
    RunCache above, below, before, after;
    const auto cellAt = [&](int r, int c) {
        return cells_.Find(RowIndex{static_cast<std::uint16_t>(r)},
                           ColumnIndex{static_cast<std::uint8_t>(c)});
    };
    for (int c = left; c <= right; ++c) {
        if (top > 0) {
            clear(cellAt(top - 1, c), BorderEdge::Bottom, above);
        }
        if (bottom < kLastRow.value) {
            clear(cellAt(bottom + 1, c), BorderEdge::Top, below);
        }
    }
    const ColumnIndex beforeColumn{static_cast<std::uint8_t>(left - 1)};
    const ColumnIndex afterColumn{static_cast<std::uint8_t>(right + 1)};
    cells_.ForEachRowDown(area.firstRow, area.lastRow, [&](const TXLSCellHeap::RowOfCells& row) {
        if (left > 0) {
            clear(row.Find(beforeColumn), BorderEdge::Right, before);
        }
        if (right < kLastColumn.value) {
            clear(row.Find(afterColumn), BorderEdge::Left, after);
        }
    });
    for (RunCache* run : {&above, &below, &before, &after}) {
        EndRun(xfs, *run);
    }
}

}  // namespace xls
