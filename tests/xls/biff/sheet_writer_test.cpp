#include "xls/biff/sheet_writer.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "support/biff_reader.h"
#include "support/biff_stream.h"
#include "xls/formats/font.h"
#include "xls/model/workbook.h"

namespace {

using biff::ParsedWorkbook;
using biff::Record;
using biff::Substream;
using xls::IXLSWorksheet;
using xls::TXLSWorkbook;
using xls::Variant;

constexpr std::uint16_t kBof = 0x0809, kEof = 0x000A, kIndex = 0x020B, kRow = 0x0208,
                        kDbCell = 0x00D7, kLabelSst = 0x00FD, kBlank = 0x0201, kMulBlank = 0x00BE,
                        kRk = 0x027E, kMulRk = 0x00BD, kNumber = 0x0203, kMergedCells = 0x00E5,
                        kColInfo = 0x007D, kDimensions = 0x0200, kWindow2 = 0x023E;

void text(IXLSWorksheet& sheet, int row, int column, std::u16string value) {
    sheet.Range(row, column, row, column).SetValue(Variant(std::move(value)));
}

void number(IXLSWorksheet& sheet, int row, int column, double value) {
    sheet.Range(row, column, row, column).SetValue(Variant(value));
}

std::vector<const Record*> cellTableRecords(const Substream& sheet) {
    std::vector<const Record*> found;
    for (const Record& record : sheet.records) {
        switch (record.type) {
            case kRow:
            case kDbCell:
            case kLabelSst:
            case kBlank:
            case kMulBlank:
            case kRk:
            case kMulRk:
            case kNumber:
            case kMergedCells:
            case 0x0205:
                found.push_back(&record);
                break;
            default:
                break;
        }
    }
    return found;
}

const Record& only(const Substream& sheet, std::uint16_t type) {
    const auto found = biff::findAll(sheet.records, type);
    EXPECT_EQ(found.size(), 1u) << std::hex << type;
    return *found.at(0);
}

// Checks INDEX and DBCELL against the stream: every INDEX entry names a
// DBCELL, every dbRtrw leads back to its block's first ROW, every rgdb offset
// leads to the first cell record of its row.
void expectConsistentRowIndex(const ParsedWorkbook& book, const Substream& sheet) {
    std::map<std::size_t, const Record*> byOffset;
    for (const Record& record : book.records) {
        byOffset[record.offset] = &record;
    }
    const biff::Index index = biff::readIndex(only(sheet, kIndex));
    const auto dbCells = biff::findAll(sheet.records, kDbCell);
    ASSERT_EQ(index.dbCellOffsets.size(), dbCells.size());
    for (std::size_t i = 0; i < dbCells.size(); ++i) {
        EXPECT_EQ(index.dbCellOffsets[i], dbCells[i]->offset) << "DBCELL " << i;
        const biff::DbCell dbCell = biff::readDbCell(*dbCells[i]);
        if (dbCell.offsets.empty()) {
            EXPECT_EQ(dbCell.dbRtrw, 0u);
            continue;
        }
        const std::size_t firstRowAt = dbCells[i]->offset - dbCell.dbRtrw;
        ASSERT_TRUE(byOffset.contains(firstRowAt));
        ASSERT_EQ(byOffset[firstRowAt]->type, kRow);
        // ROW records of the block, in order; their count matches rgdb.
        std::vector<std::uint16_t> rows;
        for (std::size_t at = firstRowAt; byOffset.at(at)->type == kRow;
             at += 4 + byOffset.at(at)->data.size()) {
            rows.push_back(biff::readRow(*byOffset.at(at)).row);
        }
        ASSERT_EQ(rows.size(), dbCell.offsets.size());
        std::size_t cellAt = firstRowAt + 20;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            cellAt += dbCell.offsets[r];
            ASSERT_TRUE(byOffset.contains(cellAt));
            const Record& cell = *byOffset.at(cellAt);
            if (cell.type != kDbCell && cell.type != kRow) {
                EXPECT_EQ(biff::u16At(cell.data, 0), rows[r]) << "row " << rows[r];
            }
        }
    }
}

TEST(SheetWriter, EmptySheetHasTheSettingsOneDbCellAndTheTail) {
    TXLSWorkbook workbook;
    workbook.Worksheets().Add();
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    const Substream& sheet = book.sheet(0);
    EXPECT_EQ(
        ParsedWorkbook::types(sheet),
        (std::vector<std::uint16_t>{kBof,   0x000D,      0x000C,  0x000F, 0x0011,   0x0010, 0x005F,
                                    0x0055, 0x0225,      0x002A,  0x002B, 0x0082,   0x0080, 0x0081,
                                    0x00A1, kDimensions, kDbCell, 0x0029, 0x0028,   0x0027, 0x0026,
                                    0x0084, 0x0083,      0x0015,  0x0014, kWindow2, 0x001D, kEof}));
    EXPECT_EQ(only(sheet, kDimensions).data,
              (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(only(sheet, kDbCell).data, (std::vector<std::uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(biff::u16At(only(sheet, kWindow2).data, 0), 0x06B6);
}

TEST(SheetWriter, Rows40To100GiveTwoBlocksEachWithItsRowsFirstAndDbCellLast) {
    TXLSWorkbook workbook;
    IXLSWorksheet& sheet = workbook.Worksheets().Add();
    for (int row = 41; row <= 101; ++row) {
        text(sheet, row, 1, u"r" + std::u16string(1, char16_t(row)));
    }
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    const Substream& written = book.sheet(0);
    const biff::Index index = biff::readIndex(only(written, kIndex));
    EXPECT_EQ(index.rwMic, 40u);
    EXPECT_EQ(index.rwMac, 101u);
    ASSERT_EQ(index.dbCellOffsets.size(), 2u);

    // Block 40-71: 32 ROW, 32 LABELSST, DBCELL; block 72-100: 29 ROW, 29 cells, DBCELL.
    std::vector<std::uint16_t> layout;
    for (const Record* record : cellTableRecords(written)) {
        layout.push_back(record->type);
    }
    std::vector<std::uint16_t> expected;
    for (const int count : {32, 29}) {
        expected.insert(expected.end(), count, kRow);
        expected.insert(expected.end(), count, kLabelSst);
        expected.push_back(kDbCell);
    }
    EXPECT_EQ(layout, expected);
    EXPECT_EQ(biff::readRow(*cellTableRecords(written)[0]).row, 40);
    EXPECT_EQ(biff::readRow(*cellTableRecords(written)[65]).row, 72);
    // The first row's cell follows the block's ROW records; then 14 bytes apart.
    const biff::DbCell first = biff::readDbCell(*biff::findAll(written.records, kDbCell)[0]);
    EXPECT_EQ(first.dbRtrw, 32u * 20 + 32 * 14);
    EXPECT_EQ(first.offsets.front(), 31 * 20);
    EXPECT_EQ(first.offsets.back(), 14);
    expectConsistentRowIndex(book, written);
}

TEST(SheetWriter, RowsFarApartGiveEmptyBlocksWithOffsetlessDbCells) {
    TXLSWorkbook workbook;
    IXLSWorksheet& sheet = workbook.Worksheets().Add();
    for (int row = 1; row <= 11; ++row) {
        text(sheet, row, 2, u"a");
    }
    for (int row = 101; row <= 111; ++row) {
        number(sheet, row, 3, row);
    }
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    const Substream& written = book.sheet(0);
    const biff::Index index = biff::readIndex(only(written, kIndex));
    EXPECT_EQ(index.rwMic, 0u);
    EXPECT_EQ(index.rwMac, 111u);
    const auto dbCells = biff::findAll(written.records, kDbCell);
    ASSERT_EQ(dbCells.size(), 4u);  // blocks 0-31, 32-63, 64-95, 96-110
    EXPECT_EQ(biff::readDbCell(*dbCells[0]).offsets.size(), 11u);
    EXPECT_EQ(dbCells[1]->data, (std::vector<std::uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(dbCells[2]->data, (std::vector<std::uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(biff::readDbCell(*dbCells[3]).offsets.size(), 11u);
    expectConsistentRowIndex(book, written);
}

TEST(SheetWriter, IndexOffsetsAreAbsoluteOnEverySheet) {
    TXLSWorkbook workbook;
    for (int s = 0; s < 3; ++s) {
        IXLSWorksheet& sheet = workbook.Worksheets().Add();
        for (int row = 1; row <= 70 * (s + 1); row += s + 1) {
            text(sheet, row, 1 + s, u"x" + std::u16string(1, char16_t(u'a' + s)));
        }
    }
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    for (std::size_t s = 0; s < 3; ++s) {
        expectConsistentRowIndex(book, book.sheet(s));
    }
}

TEST(SheetWriter, MergedAreaIsWrittenAtItsMasterWithItsBlanksAndMergedCells) {
    TXLSWorkbook workbook;
    IXLSWorksheet& sheet = workbook.Worksheets().Add();
    text(sheet, 1, 1, u"title");
    text(sheet, 2, 3, u"after");
    sheet.Range(1, 1, 2, 2).Font().SetBold(true);  // every cell of A1:B2 gets a format
    sheet.Range(1, 1, 2, 2).Merge(Variant(false));
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    const Substream& written = book.sheet(0);
    std::vector<std::pair<std::uint16_t, std::pair<int, int>>> cells;
    for (const Record* record : cellTableRecords(written)) {
        if (record->type == kLabelSst || record->type == kBlank) {
            cells.push_back(
                {record->type, {biff::u16At(record->data, 0), biff::u16At(record->data, 2)}});
        } else if (record->type == kMergedCells) {
            cells.push_back({kMergedCells, {-1, -1}});
        }
    }
    const decltype(cells) expected{{kLabelSst, {0, 0}},      {kBlank, {0, 1}},
                                   {kBlank, {1, 0}},         {kBlank, {1, 1}},
                                   {kMergedCells, {-1, -1}}, {kLabelSst, {1, 2}}};
    EXPECT_EQ(cells, expected);
    EXPECT_EQ(biff::readMergedCells(only(written, kMergedCells)),
              (std::vector<biff::Area>{{0, 1, 0, 1}}));
    const auto all = biff::readCells(written.records);
    const std::uint16_t boldIxfe = all[0].ixfe;
    EXPECT_GE(boldIxfe, 21);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(all[i].ixfe, boldIxfe);
    }
}

TEST(SheetWriter, ASingleCellMergeWritesNoMergedCells) {
    TXLSWorkbook workbook;
    IXLSWorksheet& sheet = workbook.Worksheets().Add();
    text(sheet, 1, 1, u"alone");
    sheet.Range(1, 1, 1, 1).Merge();
    sheet.Range(3, 1, 3, 3).Merge(Variant(true));  // one row: one area A3:C3
    sheet.Range(5, 2, 6, 2).Merge(Variant(true));  // across on one column: single cells
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    const auto merged = biff::findAll(book.sheet(0).records, kMergedCells);
    ASSERT_EQ(merged.size(), 1u);
    EXPECT_EQ(biff::readMergedCells(*merged[0]), (std::vector<biff::Area>{{2, 2, 0, 2}}));
    EXPECT_EQ(biff::readCells(book.sheet(0).records).front().type, kLabelSst);
}

TEST(SheetWriter, NumberRunsBecomeMulRkRkAndNumber) {
    TXLSWorkbook workbook;
    IXLSWorksheet& sheet = workbook.Worksheets().Add();
    number(sheet, 1, 1, 1);
    number(sheet, 1, 2, 2);
    number(sheet, 1, 3, 3);
    number(sheet, 2, 1, 0.5);
    number(sheet, 3, 1, 7);
    number(sheet, 3, 2, 3.14159265358979);
    number(sheet, 3, 3, 8);
    number(sheet, 4, 1, 1);
    number(sheet, 4, 3, 2);  // a gap splits the run
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    std::vector<std::uint16_t> types;
    for (const Record* record : cellTableRecords(book.sheet(0))) {
        if (record->type != kRow && record->type != kDbCell) {
            types.push_back(record->type);
        }
    }
    EXPECT_EQ(types, (std::vector<std::uint16_t>{kMulRk, kRk, kRk, kNumber, kRk, kRk, kRk}));
    const auto cells = biff::readCells(book.sheet(0).records);
    EXPECT_EQ(cells[0].number, 1);
    EXPECT_EQ(cells[2].number, 3);
    EXPECT_EQ(cells[3].rk, 0x000000CBu);
    EXPECT_EQ(cells[5].number, 3.14159265358979);
}

TEST(SheetWriter, AFormulaEndsANumberRunAndKeepsItsResultAlsoAsAMergedMaster) {
    TXLSWorkbook workbook;
    IXLSWorksheet& sheet = workbook.Worksheets().Add();
    const auto sum = xls::TXLSFormula::Sum(
        {xls::RowIndex{0}, xls::RowIndex{0}, xls::ColumnIndex{0}, xls::ColumnIndex{1}});
    number(sheet, 1, 1, 1);
    number(sheet, 1, 2, 2);
    sheet.Range(1, 3, 1, 3).SetFormula(sum, 3);
    number(sheet, 1, 4, 4);
    sheet.Range(2, 1, 2, 2).Merge();
    sheet.Range(2, 1, 2, 1).SetFormula(sum, 1234.56);
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    std::vector<std::uint16_t> types;
    for (const Record& record : book.sheet(0).records) {
        if (record.type == kMulRk || record.type == kRk || record.type == 0x0006 ||
            record.type == kMergedCells)
            types.push_back(record.type);
    }
    EXPECT_EQ(types, (std::vector<std::uint16_t>{kMulRk, 0x0006, kRk, 0x0006, kMergedCells}));
    const auto formulas = biff::findAll(book.sheet(0).records, 0x0006);
    const biff::Formula first = biff::readFormula(*formulas.at(0));
    EXPECT_EQ(biff::readSumOfArea(first.rgce), (biff::Area{0, 0, 0, 1}));
    EXPECT_EQ(first.result, 3.0);
    EXPECT_EQ(first.flags, 0);  // the result is current: no recalculation asked
    EXPECT_EQ(biff::readFormula(*formulas.at(1)).result, 1234.56);
}

TEST(SheetWriter, BlankWithoutFormatIsKeptInsideAMulBlankAndDroppedAlone) {
    TXLSWorkbook workbook;
    IXLSWorksheet& sheet = workbook.Worksheets().Add();
    // The first cell made in a row has XF 0; the later ones XF 15.
    sheet.Range(1, 2, 1, 2).SetValue(Variant());
    sheet.Range(1, 1, 1, 1).Font().SetBold(true);
    sheet.Range(1, 3, 1, 3).Font().SetBold(true);
    sheet.Range(2, 2, 2, 2).SetValue(Variant());
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    const Substream& written = book.sheet(0);
    const auto cells = biff::readCells(written.records);
    ASSERT_EQ(cells.size(), 3u);
    for (const biff::Cell& cell : cells) {
        EXPECT_EQ(cell.type, kMulBlank);
        EXPECT_EQ(cell.row, 0);
    }
    EXPECT_EQ(cells[1].ixfe, 0);
    EXPECT_GE(cells[0].ixfe, 21);
    EXPECT_EQ(cells[2].ixfe, cells[0].ixfe);
    // Row 1 (0-based) has a ROW record but no cell record.
    EXPECT_EQ(biff::findAll(written.records, kRow).size(), 2u);
    EXPECT_EQ(only(written, kDimensions).data,
              (std::vector<std::uint8_t>{0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 3, 0, 0, 0}));
}

TEST(SheetWriter, ColumnRunsOfEqualEntries) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, double>> widths;  // 1-based column, characters
        std::vector<std::pair<int, int>> runs;       // colFirst, colLast
    };
    const std::vector<Case> cases{
        {"two equal neighbours", {{4, 12}, {5, 12}}, {{3, 4}}},
        {"last two columns", {{255, 12}, {256, 12}}, {{254, 256}}},
        {"the last column alone", {{256, 12}}, {{255, 255}}},
        {"widths a a b b c", {{1, 3}, {2, 3}, {3, 8}, {4, 8}, {5, 50}}, {{0, 1}, {2, 3}, {4, 4}}},
        {"a gap ends a run", {{1, 3}, {3, 3}}, {{0, 0}, {2, 2}}},
    };
    for (const Case& c : cases) {
        TXLSWorkbook workbook;
        IXLSWorksheet& sheet = workbook.Worksheets().Add();
        for (const auto& [column, width] : c.widths) {
            sheet.Range(1, column, 1, column).SetColumnWidth(Variant(width));
        }
        const ParsedWorkbook book = biff::saveAndParse(workbook);
        std::vector<std::pair<int, int>> runs;
        for (const Record* record : biff::findAll(book.sheet(0).records, kColInfo)) {
            const biff::ColInfo info = biff::readColInfo(*record);
            runs.push_back({info.colFirst, info.colLast});
            EXPECT_EQ(info.flags, 0x0002) << c.name;
            EXPECT_EQ(info.reserved, 0x0002) << c.name;
            EXPECT_EQ(info.ixfe, 0) << c.name;
        }
        EXPECT_EQ(runs, c.runs) << c.name;
    }
}

TEST(SheetWriter, OnlyTheSelectedSheetHasTheSelectedWindowFlag) {
    TXLSWorkbook workbook;
    for (int s = 0; s < 3; ++s) {
        workbook.Worksheets().Add();
    }
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    const std::uint16_t expected[] = {0x06B6, 0x04B6, 0x04B6};
    for (std::size_t s = 0; s < 3; ++s) {
        EXPECT_EQ(biff::u16At(only(book.sheet(s), kWindow2).data, 0), expected[s]);
    }
}

TEST(SheetWriter, DimensionsCoverTheWrittenCells) {
    TXLSWorkbook workbook;
    IXLSWorksheet& sheet = workbook.Worksheets().Add();
    text(sheet, 3, 2, u"a");
    number(sheet, 65536, 7, 1);
    text(sheet, 10, 256, u"b");
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    const Record& dimensions = only(book.sheet(0), kDimensions);
    EXPECT_EQ(biff::u32At(dimensions.data, 0), 2u);
    EXPECT_EQ(biff::u32At(dimensions.data, 4), 65536u);
    EXPECT_EQ(biff::u16At(dimensions.data, 8), 1);
    EXPECT_EQ(biff::u16At(dimensions.data, 10), 256);
}

}  // namespace
