#include "xls/biff/globals_writer.h"

#include <gtest/gtest.h>

#include <set>

#include "support/biff_reader.h"
#include "support/biff_stream.h"
#include "xls/formats/borders.h"
#include "xls/formats/font.h"
#include "xls/formats/interior.h"
#include "xls/model/workbook.h"

namespace {

using biff::ParsedWorkbook;
using biff::Record;
using xls::IXLSWorksheet;
using xls::TXLSWorkbook;
using xls::Variant;

constexpr std::uint16_t kFont = 0x0031, kFormat = 0x041E, kXf = 0x00E0, kStyle = 0x0293,
                        kSst = 0x00FC, kExtSst = 0x00FF, kBoundSheet = 0x0085, kContinue = 0x003C;

// Column 1 of the first sheet after the export's column setters (the worked
// example of the format tables: XF 23 is the only derived XF still in use).
void formatFirstColumn(TXLSWorkbook& workbook, int rows) {
    IXLSWorksheet& sheet = workbook.Worksheets().Add();
    const xls::IXLSRange column = sheet.Range(1, 1, rows, 1);
    column.Font().SetSize(10);
    column.Font().SetBold(false);
    column.Borders().SetColorIndex(xls::color_index::kAutomatic);
    column.SetHorizontalAlignment(xls::alignment::kCenter);
}

std::vector<std::uint16_t> compressedTypes(const biff::Substream& globals) {
    // Runs of one record type count once: the order is what is checked.
    std::vector<std::uint16_t> types;
    for (const Record& record : globals.records) {
        if (types.empty() || types.back() != record.type) {
            types.push_back(record.type);
        }
    }
    return types;
}

TEST(GlobalsWriter, RecordsInTheirOrderAndNoOthers) {
    TXLSWorkbook workbook;
    formatFirstColumn(workbook, 5);
    workbook.Worksheets().Item(1)->Range(1, 1, 1, 1).SetValue(Variant(u"text"));
    workbook.Worksheets().Add();
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    EXPECT_EQ(compressedTypes(book.globals()),
              (std::vector<std::uint16_t>{0x0809,  0x0042,      0x0161, 0x003D, 0x0040, 0x0022,
                                          0x000E,  0x000F,      0x009C, 0x00DA, kFont,  kFormat,
                                          kXf,     kStyle,      0x0092, 0x008C, 0x01C1, kSst,
                                          kExtSst, kBoundSheet, 0x01AE, 0x0017, 0x00EB, 0x000A}));
    EXPECT_EQ(biff::findAll(book.globals().records, kBoundSheet).size(), 2u);
}

TEST(GlobalsWriter, ExportValuesOfWindowFormatsStylesAndReferences) {
    TXLSWorkbook workbook;
    formatFirstColumn(workbook, 3);
    workbook.Worksheets().Add();
    workbook.Worksheets().Add();
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    const auto& globals = book.globals().records;

    const Record& window1 = *biff::findFirst(globals, 0x003D);
    EXPECT_EQ(biff::u16At(window1.data, 10), 0);  // itabCur
    EXPECT_EQ(biff::u16At(window1.data, 14), 1);  // ctabSel

    std::vector<std::uint16_t> formats;
    for (const Record* record : biff::findAll(globals, kFormat)) {
        formats.push_back(biff::u16At(record->data, 0));
    }
    EXPECT_EQ(formats, (std::vector<std::uint16_t>{5, 6, 7, 8}));
    EXPECT_EQ(biff::readCountedText(biff::findAll(globals, kFormat)[0]->data, 2, true),
              u"(\"$\"#,##0_);(\"$\"#,##0)");

    std::vector<std::pair<std::uint16_t, std::uint8_t>> styles;
    for (const Record* record : biff::findAll(globals, kStyle)) {
        ASSERT_EQ(record->data.size(), 4u);
        EXPECT_EQ(record->data[3], 0xFF);
        styles.push_back({biff::u16At(record->data, 0), record->data[2]});
    }
    EXPECT_EQ(styles,
              (std::vector<std::pair<std::uint16_t, std::uint8_t>>{
                  {0x8013, 3}, {0x8010, 4}, {0x8014, 6}, {0x8011, 7}, {0x8012, 5}, {0x8000, 0}}));

    EXPECT_EQ(biff::findFirst(globals, 0x01AE)->data,
              (std::vector<std::uint8_t>{3, 0, 0x01, 0x04}));
    EXPECT_EQ(biff::findFirst(globals, 0x0017)->data, (std::vector<std::uint8_t>{0, 0}));
    EXPECT_EQ(biff::findFirst(globals, 0x00EB)->data.size(), 40u);
    EXPECT_EQ(biff::findFirst(globals, 0x0018), nullptr);  // no NAME
}

TEST(GlobalsWriter, WrittenXfsAreTheBuiltInsAndTheReferencedOnes) {
    TXLSWorkbook workbook;
    formatFirstColumn(workbook, 4);
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    const auto xfRecords = biff::findAll(book.globals().records, kXf);
    ASSERT_EQ(xfRecords.size(), 22u);  // 0..20 and the column's XF 23
    for (std::size_t i = 0; i < 21; ++i) {
        const biff::Xf xf = biff::readXf(*xfRecords[i]);
        EXPECT_EQ(xf.typeWord, i == 15 ? 0x0001 : 0xFFF5) << i;
        const std::uint8_t used = i == 0 || i == 15 ? 0x00 : (i < 15 ? 0xD0 : 0xF8);
        EXPECT_EQ(xf.usedAttributes, used) << i;
    }
    EXPECT_EQ(
        xfRecords[21]->data,
        (std::vector<std::uint8_t>{0x05, 0x00, 0x00, 0x00, 0x01, 0x00, 0x22, 0x00, 0x00, 0x38,
                                   0x11, 0x11, 0x40, 0x20, 0x40, 0x20, 0x00, 0x00, 0xC0, 0x20}));
    // The cells of the column carry ixfe 21, the 22nd XF record.
    for (const biff::Cell& cell : biff::readCells(book.sheet(0).records)) {
        EXPECT_EQ(cell.ixfe, 21);
    }
    // Five fonts: the four built-in ones and the copy that XF 23 uses.
    const auto fonts = biff::findAll(book.globals().records, kFont);
    ASSERT_EQ(fonts.size(), 5u);
    for (const Record* font : fonts) {
        EXPECT_EQ(biff::readFont(*font).height, 200);
        EXPECT_EQ(biff::readFont(*font).name, u"Arial");
    }
}

// Every XF's font index names a FONT record (BIFF has no font 4), and every
// FONT beyond the four built-in ones is used by some XF.
TEST(GlobalsWriter, FontsWrittenAreTheBuiltInsAndThoseTheWrittenXfsUse) {
    TXLSWorkbook workbook;
    IXLSWorksheet& sheet = workbook.Worksheets().Add();
    sheet.Range(1, 1, 5, 1).Font().SetSize(10);
    sheet.Range(1, 2, 5, 2).Font().SetSize(10);
    sheet.Range(1, 1, 5, 1).Font().SetBold(true);
    sheet.Range(1, 2, 5, 2).Font().SetBold(true);
    sheet.Range(1, 1, 5, 1).Font().SetBold(false);
    sheet.Range(1, 3, 2, 3).Font().SetSize(16);
    sheet.Range(1, 4, 2, 4).Font().SetColorIndex(3);
    sheet.Range(1, 4, 2, 4).Font().SetColorIndex(xls::color_index::kAutomatic);
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    const auto fonts = biff::findAll(book.globals().records, kFont);
    std::set<std::size_t> used;
    for (const Record* record : biff::findAll(book.globals().records, kXf)) {
        const std::uint16_t ifnt = biff::readXf(*record).ifnt;
        ASSERT_NE(ifnt, 4);
        const std::size_t position = ifnt < 4 ? ifnt : ifnt - 1u;
        ASSERT_LT(position, fonts.size());
        used.insert(position);
    }
    for (std::size_t position = 4; position < fonts.size(); ++position) {
        EXPECT_TRUE(used.contains(position)) << "FONT " << position << " is used by no XF";
    }
    // The bold column uses a 700-weight font, the 16 pt column a 320-twip one.
    const auto cells = biff::readCells(book.sheet(0).records);
    const auto xfs = biff::findAll(book.globals().records, kXf);
    const auto fontOf = [&](std::uint16_t ixfe) {
        const std::uint16_t ifnt = biff::readXf(*xfs.at(ixfe)).ifnt;
        return biff::readFont(*fonts.at(ifnt < 4 ? ifnt : ifnt - 1u));
    };
    for (const biff::Cell& cell : cells) {
        const biff::Font font = fontOf(cell.ixfe);
        EXPECT_EQ(font.weight, cell.column == 1 ? 700 : 400) << cell.column;
        EXPECT_EQ(font.height, cell.column == 2 ? 320 : 200) << cell.column;
    }
}

TEST(GlobalsWriter, NoStringTableWithoutLiveStrings) {
    TXLSWorkbook workbook;
    IXLSWorksheet& sheet = workbook.Worksheets().Add();
    sheet.Range(1, 1, 3, 3).SetValue(Variant(u"gone"));
    sheet.Range(1, 1, 3, 3).SetValue(Variant(1.5));
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    EXPECT_EQ(biff::findFirst(book.globals().records, kSst), nullptr);
    EXPECT_EQ(biff::findFirst(book.globals().records, kExtSst), nullptr);
}

TEST(GlobalsWriter, StringTableHoldsTheLiveStringsInTableOrderWithTheirCounts) {
    TXLSWorkbook workbook;
    IXLSWorksheet& sheet = workbook.Worksheets().Add();
    sheet.Range(1, 1, 1, 1).SetValue(Variant(u"first"));
    sheet.Range(2, 1, 4, 1).SetValue(Variant(u"second"));
    sheet.Range(5, 1, 5, 1).SetValue(Variant(u"dropped"));
    sheet.Range(5, 1, 5, 1).SetValue(Variant(u"third"));  // takes the freed entry's place
    const ParsedWorkbook book = biff::saveAndParse(workbook);
    ASSERT_EQ(book.sst.strings.size(), 3u);
    EXPECT_EQ(book.sst.totalReferences, 5u);
    std::vector<std::u16string> texts;
    for (const auto& s : book.sst.strings) {
        texts.push_back(s.text);
    }
    const auto& table = workbook.StringTable();
    std::vector<std::u16string> expected;
    table.ForEachLive([&](std::int32_t, std::u16string_view text, std::uint32_t) {
        expected.emplace_back(text);
    });
    EXPECT_EQ(texts, expected);
    for (const biff::Cell& cell : biff::readCells(book.sheet(0).records)) {
        const std::u16string want = cell.row == 0 ? u"first" : cell.row < 4 ? u"second" : u"third";
        EXPECT_EQ(book.text(cell.isst), want);
    }
    // EXTSST's first entry points at the first string, right after the counts.
    const Record& sst = *biff::findFirst(book.globals().records, kSst);
    const biff::ExtSst ext = biff::readExtSst(*biff::findFirst(book.globals().records, kExtSst));
    EXPECT_EQ(ext.entries.at(0).streamOffset, sst.offset + 12);
    EXPECT_EQ(biff::findFirst(book.globals().records, kContinue), nullptr);
}

}  // namespace
