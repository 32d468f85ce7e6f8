// A cell table built in parts, side by side, must write the very bytes the
// one-pass build writes: the parts meet at block borders, and their DBCELL
// positions, extents and outline levels are joined.

#include <gtest/gtest.h>

#include <string>

#include "xls/biff/sheet_writer.h"
#include "xls/biff/sheet_writer_cells.h"
#include "xls/formats/borders.h"
#include "xls/model/range.h"
#include "xls/model/workbook.h"

namespace xls {
namespace {

std::vector<std::uint8_t> bytesOf(const SheetRecordLists& lists) {
    std::vector<std::uint8_t> bytes;
    const auto append = [&](const RecordList& list) {
        const std::vector<std::uint8_t> part = list.bytes();
        bytes.insert(bytes.end(), part.begin(), part.end());
    };
    append(lists.head);
    append(lists.settings);
    for (const RecordList& part : lists.cellTable)
        append(part);
    append(lists.drawings);
    append(lists.tail);
    return bytes;
}

std::vector<std::uint8_t> builtInParts(const IXLSWorksheet& sheet, const SheetWriteContext& context,
                                       std::size_t maxParts, std::size_t& partCount) {
    std::vector<CellTablePart> parts;
    for (const CellTableRows rows : splitCellTable(sheet, maxParts))
        parts.push_back(buildCellTablePart(sheet, context, rows));
    partCount = parts.size();
    SheetRecordLists lists = finishSheetBody(sheet, context, std::move(parts));
    placeSheet(lists, 1234);
    return bytesOf(lists);
}

// Rows from 7 on, some left out, texts, numbers (RK and not), blanks with a
// format, a merged area across a likely part border, wider last rows.
void fill(IXLSWorksheet& sheet, int lastRow) {
    for (int row = 7; row <= lastRow; ++row) {
        if (row % 97 == 0)
            continue;
        sheet.Range(row, 1, row, 1)
            .SetValue(Variant(std::u16string(u"Text ") + char16_t(u'A' + row % 26)));
        sheet.Range(row, 2, row, 2).SetValue(Variant(row * 0.5));
        sheet.Range(row, 3, row, 3).SetValue(Variant(row / 3.0));
        if (row % 5 == 0)
            sheet.Range(row, 4, row, 6).Borders().SetColorIndex(3);
    }
    sheet.Range(lastRow / 2, 8, lastRow / 2 + 40, 9).Merge(false);
    sheet.Range(lastRow, 12, lastRow, 12).SetValue(Variant(1.0));
}

TEST(CellTableParts, WriteTheBytesOfTheOnePassBuild) {
    for (const int lastRow : {40, 3000, 9000, 65536}) {
        TXLSWorkbook book;
        IXLSWorksheet& sheet = book.Worksheets().Add();
        fill(sheet, lastRow);
        book.CompactFormats();
        book.NumberLiveStrings();
        const SheetWriteContext context{book.XFList(), book.StringTable()};
        const std::vector<std::uint8_t> whole = bytesOf(buildSheetRecords(sheet, context, 1234));
        for (const std::size_t maxParts : {1U, 2U, 3U, 7U}) {
            std::size_t partCount = 0;
            EXPECT_EQ(builtInParts(sheet, context, maxParts, partCount), whole)
                << lastRow << " rows, at most " << maxParts << " parts";
            EXPECT_LE(partCount, maxParts);
            if (lastRow >= 9000) {
                EXPECT_EQ(partCount > 1, maxParts > 1) << "a large table is split";
            }
            if (lastRow == 40) {
                EXPECT_EQ(partCount, 1U) << "a small one is not";
            }
        }
    }
}

TEST(CellTableParts, ASheetWithoutRowsHasOneEmptyDbCell) {
    TXLSWorkbook book;
    IXLSWorksheet& sheet = book.Worksheets().Add();
    book.CompactFormats();
    book.NumberLiveStrings();
    const SheetWriteContext context{book.XFList(), book.StringTable()};
    EXPECT_TRUE(splitCellTable(sheet, 2).empty());
    std::size_t partCount = 0;
    EXPECT_EQ(builtInParts(sheet, context, 2, partCount),
              bytesOf(buildSheetRecords(sheet, context, 1234)));
}

}  // namespace
}  // namespace xls
