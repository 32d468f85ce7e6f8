#include "xls/biff/sheet_writer.h"

#include <algorithm>
#include <string>
#include <utility>

#include "xls/biff/biff_records_globals.h"
#include "xls/biff/biff_records_sheet.h"
#include "xls/biff/sheet_writer_cells.h"
#include "xls/formats/xf_list.h"
#include "xls/model/worksheet.h"

namespace xls {
namespace {

constexpr std::uint16_t kDefaultColumnWidthUnits = 2340;
constexpr std::uint32_t kBofRecordLength = 20;

bool sameColumnEntry(const TXLSColumnInfo& a, const TXLSColumnInfo& b) {
    return a.width == b.width && a.xf == b.xf && a.outlineLevel == b.outlineLevel &&
           a.hidden == b.hidden;
}

// DEFCOLWIDTH, then one COLINFO per run of neighbouring columns with equal
// entries. Returns the highest column outline level written.
std::uint8_t addColumnRuns(RecordList& list, const IXLSWorksheet& sheet,
                           const SheetWriteContext& context) {
    records::addDefColWidth(list, 8);
    const TXLSColumnInfoList& columns = sheet.Columns();
    const auto entry = [&](int column) {
        return column < kColumnCount ? columns.Find(ColumnIndex{static_cast<std::uint8_t>(column)})
                                     : nullptr;
    };
    std::uint8_t highestLevel = 0;
    for (int column = 0; column < kColumnCount; ++column) {
        const TXLSColumnInfo* first = entry(column);
        if (first == nullptr) {
            continue;
        }
        const int start = column;
        while (const TXLSColumnInfo* next = entry(column + 1)) {
            if (!sameColumnEntry(*first, *next)) {
                break;
            }
            ++column;
        }
        // A run of several columns reaching the last column ends at 256.
        const int last = (column == kColumnCount - 1 && column > start) ? kColumnCount : column;
        records::addColInfo(
            list,
            {static_cast<std::uint16_t>(start), static_cast<std::uint16_t>(last), first->width,
             context.xfs.WrittenIxfe(first->xf), first->hidden, first->outlineLevel});
        highestLevel = std::max(highestLevel, first->outlineLevel);
    }
    return highestLevel;
}

void buildSettings(RecordList& list, const IXLSWorksheet& sheet, const SheetWriteContext& context,
                   const CellTableSummary& cells) {
    const TXLSPageSetup& page = sheet.PageSetup();
    const TXLSSheetWindow& window = sheet.Window();
    records::addCalcMode(list);
    records::addCalcCount(list);
    records::addRefMode(list, true);
    records::addIteration(list);
    records::addDelta(list);
    records::addSaveRecalc(list);
    const std::uint8_t columnLevel = addColumnRuns(list, sheet, context);
    records::addDefaultRowHeight(list, sheet.DefaultRowHeight());
    records::addPrintHeaders(list, page.printHeadings);
    records::addPrintGridlines(list, page.printGridlines);
    records::addGridSet(list, page.printGridlines);
    records::addGuts(list, cells.highestRowOutlineLevel, columnLevel);
    records::addWsBool(list,
                       {window.summaryRowsBelow, window.summaryColumnsRight, page.fitToPages});
    records::addSetup(list, {page.paperSize, page.scale, page.fitWidth, page.fitHeight,
                             page.portrait, page.headerMargin, page.footerMargin});
    records::addDimensions(list, cells.extent.value_or(records::Extent{}));
}

// "&L" left, "&C" centre, "&R" right, each only when not empty.
std::u16string headerFooterText(const TXLSHeaderFooter& parts) {
    std::u16string text;
    for (const auto& [code, part] :
         {std::pair{u"&L", &parts.left}, {u"&C", &parts.centre}, {u"&R", &parts.right}}) {
        if (!part->empty()) {
            text += code;
            text += *part;
        }
    }
    return text;
}

// The first row (column) that is not hidden, or the scroll position when
// that lies further down (right).
std::uint16_t topRow(const IXLSWorksheet& sheet) {
    int row = 0;
    while (row < kLastRow.value) {
        const TXLSRowInfo* info = sheet.Rows().Find(RowIndex{static_cast<std::uint16_t>(row)});
        if (info == nullptr || !info->hidden) {
            break;
        }
        ++row;
    }
    return static_cast<std::uint16_t>(std::max<int>(row, sheet.Window().scrollRow));
}

std::uint16_t leftColumn(const IXLSWorksheet& sheet) {
    int column = 0;
    while (column < kLastColumn.value) {
        const TXLSColumnInfo* info =
            sheet.Columns().Find(ColumnIndex{static_cast<std::uint8_t>(column)});
        if (info == nullptr || !info->hidden) {
            break;
        }
        ++column;
    }
    return static_cast<std::uint16_t>(std::max<int>(column, sheet.Window().scrollColumn));
}

void buildTail(RecordList& list, const IXLSWorksheet& sheet) {
    const TXLSPageSetup& page = sheet.PageSetup();
    const TXLSSheetWindow& window = sheet.Window();
    records::addBottomMargin(list, page.bottomMargin);
    records::addTopMargin(list, page.topMargin);
    records::addRightMargin(list, page.rightMargin);
    records::addLeftMargin(list, page.leftMargin);
    records::addVCenter(list, page.centreVertically);
    records::addHCenter(list, page.centreHorizontally);
    records::addFooter(list, headerFooterText(page.footer));
    records::addHeader(list, headerFooterText(page.header));
    records::addWindow2(list, {.showGridlines = window.showGridlines,
                               .frozenPanes = window.frozenPanes,
                               .showZeros = window.showZeros,
                               .rightToLeft = window.rightToLeft,
                               .selected = sheet.Selected(),
                               .visible = sheet.Visibility() == SheetVisibility::Visible,
                               .topRow = topRow(sheet),
                               .leftColumn = leftColumn(sheet)});
    if (window.zoom != 100) {
        records::addScl(list, window.zoom);
    }
    const TXLSSelection& selection = window.selection;
    records::addSelection(
        list, {selection.activePane, selection.activeRow, selection.activeColumn,
               selection.firstRow, selection.lastRow, selection.firstColumn, selection.lastColumn});
    if (sheet.DefaultColumnWidth() != kDefaultColumnWidthUnits) {
        records::addStandardWidth(list, sheet.DefaultColumnWidth());
    }
    records::addEof(list);
}

// BOF and, when rows have entries, INDEX with each DBCELL's stream offset.
void buildHead(RecordList& list, const CellTableIndex& cells, std::size_t settingsLength,
               std::uint32_t bofOffset) {
    records::addBof(list, records::SubstreamKind::kWorksheet);
    if (!cells.firstRow) {
        return;
    }
    const auto cellTableStart = static_cast<std::uint32_t>(
        bofOffset + kBofRecordLength + records::indexLength(cells.dbCellPositions.size()) +
        settingsLength);
    std::vector<std::uint32_t> offsets;
    offsets.reserve(cells.dbCellPositions.size());
    for (const std::uint32_t position : cells.dbCellPositions) {
        offsets.push_back(cellTableStart + position);
    }
    records::addIndex(list, {*cells.firstRow, cells.lastRowPlus1, offsets});
}

// The settings and tail around a finished cell table, and what the head needs.
void finishBody(SheetRecordLists& lists, const IXLSWorksheet& sheet,
                const SheetWriteContext& context, CellTableSummary cells) {
    buildSettings(lists.settings, sheet, context, cells);
    buildTail(lists.tail, sheet);
    lists.index = {cells.firstRow, cells.lastRowPlus1, std::move(cells.dbCellPositions)};
}

}  // namespace

std::size_t SheetRecordLists::length() const {
    return head.length() + settings.length() + cellTable.length() + drawings.length() +
           tail.length();
}

bool SheetRecordLists::writeTo(ByteSink& sink) const {
    return head.writeTo(sink) && settings.writeTo(sink) && cellTable.writeTo(sink) &&
           drawings.writeTo(sink) && tail.writeTo(sink);
}

SheetRecordLists buildSheetRecords(const IXLSWorksheet& sheet, const SheetWriteContext& context,
                                   std::uint32_t bofOffset) {
    SheetRecordLists lists = buildSheetBody(sheet, context);
    placeSheet(lists, bofOffset);
    return lists;
}

SheetRecordLists buildSheetBody(const IXLSWorksheet& sheet, const SheetWriteContext& context) {
    SheetRecordLists lists;
    CellTableSummary cells = buildCellTable(sheet, context, lists.cellTable);
    finishBody(lists, sheet, context, std::move(cells));
    return lists;
}

void placeSheet(SheetRecordLists& lists, std::uint32_t bofOffset) {
    buildHead(lists.head, lists.index, lists.settings.length(), bofOffset);
}

}  // namespace xls
