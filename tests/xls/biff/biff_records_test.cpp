// Every record writer against bytes worked out by hand from the field
// tables of [MS-XLS] and the values the writer must use.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "xls/biff/biff_records_cells.h"
#include "xls/biff/biff_records_globals.h"
#include "xls/biff/biff_records_sheet.h"

namespace {

using namespace xls::records;
using xls::RecordList;

std::string hex(const RecordList& list) {
    std::string text;
    for (const std::uint8_t byte : list.bytes()) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X ", byte);
        text += digits;
    }
    if (!text.empty()) {
        text.pop_back();
    }
    return text;
}

struct Case {
    const char* name;
    std::function<void(RecordList&)> write;
    const char* bytes;
};

void expectBytes(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        RecordList list;
        c.write(list);
        EXPECT_EQ(hex(list), c.bytes) << c.name;
    }
}

TEST(GlobalsRecords, FixedRecordsHaveTheirExactBytes) {
    expectBytes({
        {"BOF globals", [](RecordList& l) { addBof(l, SubstreamKind::kWorkbookGlobals); },
         "09 08 10 00 00 06 05 00 AF 18 CD 07 C9 80 00 00 06 01 00 00"},
        {"BOF worksheet", [](RecordList& l) { addBof(l, SubstreamKind::kWorksheet); },
         "09 08 10 00 00 06 10 00 AF 18 CD 07 C9 80 00 00 06 01 00 00"},
        {"EOF", [](RecordList& l) { addEof(l); }, "0A 00 00 00"},
        {"CODEPAGE 1200", [](RecordList& l) { addCodePage(l, 1200); }, "42 00 02 00 B0 04"},
        {"DSF", [](RecordList& l) { addDsf(l); }, "61 01 02 00 00 00"},
        {"WINDOW1",
         [](RecordList& l) {
             addWindow1(l, {0, 0, 1});
         },
         "3D 00 12 00 00 00 00 00 BC 25 72 15 38 00 00 00 00 00 01 00 58 02"},
        {"WINDOW1 third sheet active, two selected",
         [](RecordList& l) {
             addWindow1(l, {2, 1, 2});
         },
         "3D 00 12 00 00 00 00 00 BC 25 72 15 38 00 02 00 01 00 02 00 58 02"},
        {"BACKUP", [](RecordList& l) { addBackup(l); }, "40 00 02 00 00 00"},
        {"DATEMODE 1900", [](RecordList& l) { addDateMode(l, false); }, "22 00 02 00 00 00"},
        {"PRECISION", [](RecordList& l) { addPrecision(l); }, "0E 00 02 00 01 00"},
        {"REFMODE A1", [](RecordList& l) { addRefMode(l, true); }, "0F 00 02 00 01 00"},
        {"FNGROUPCOUNT", [](RecordList& l) { addFnGroupCount(l); }, "9C 00 02 00 0E 00"},
        {"BOOKBOOL", [](RecordList& l) { addBookBool(l); }, "DA 00 02 00 00 00"},
        {"COUNTRY", [](RecordList& l) { addCountry(l); }, "8C 00 04 00 01 00 01 00"},
        {"RECALCID", [](RecordList& l) { addRecalcId(l); }, "C1 01 08 00 C1 01 00 00 FF FF FF 00"},
        {"SUPBOOK of three sheets", [](RecordList& l) { addSupBookSelf(l, 3); },
         "AE 01 04 00 03 00 01 04"},
        {"EXTERNSHEET without references", [](RecordList& l) { addExternSheet(l, {}); },
         "17 00 02 00 00 00"},
        {"EXTERNSHEET with one reference",
         [](RecordList& l) {
             const SheetReference reference{0, 1, 2};
             addExternSheet(l, std::span(&reference, 1));
         },
         "17 00 08 00 01 00 00 00 01 00 02 00"},
        {"MSODRAWINGGROUP without shapes", [](RecordList& l) { addEmptyDrawingGroup(l); },
         "EB 00 28 00 0F 00 00 F0 20 00 00 00 03 00 0B F0 00 00 00 00 40 00 1E F1 10 00 00 00 "
         "0D 00 00 08 0C 00 00 08 17 00 00 08 F7 00 00 10"},
    });
}

TEST(GlobalsRecords, TextRecordsCarryCountOptionByteAndUtf16) {
    expectBytes({
        {"FONT Arial 10 pt", [](RecordList& l) { addFont(l, {.name = u"Arial"}); },
         "31 00 1A 00 C8 00 00 00 FF 7F 90 01 00 00 00 00 00 00 05 01 41 00 72 00 69 00 61 00 "
         "6C 00"},
        {"FONT colour 0 is automatic",
         [](RecordList& l) { addFont(l, {.colour = 0, .name = u"A"}); },
         "31 00 12 00 C8 00 00 00 FF 7F 90 01 00 00 00 00 00 00 01 01 41 00"},
        {"FONT 12 pt bold italic red, subscript, underline, family, charset",
         [](RecordList& l) {
             addFont(l, {.heightTwips = 240,
                         .italic = true,
                         .strikeout = true,
                         .colour = 10,
                         .bold = true,
                         .subscript = true,
                         .underline = 1,
                         .family = 2,
                         .charSet = 238,
                         .name = u"\u010C"});
         },
         "31 00 12 00 F0 00 0A 00 0A 00 BC 02 02 00 01 02 EE 00 01 01 0C 01"},
        {"FORMAT 164", [](RecordList& l) { addFormat(l, 164, u"0.0"); },
         "1E 04 0B 00 A4 00 03 00 01 30 00 2E 00 30 00"},
        {"STYLE Comma on XF 19", [](RecordList& l) { addBuiltInStyle(l, 19, 3); },
         "93 02 04 00 13 80 03 FF"},
        {"STYLE Normal on XF 0", [](RecordList& l) { addBuiltInStyle(l, 0, 0); },
         "93 02 04 00 00 80 00 FF"},
        {"STYLE user-defined", [](RecordList& l) { addUserStyle(l, 21, u"Ab"); },
         "93 02 09 00 15 00 02 00 01 41 00 62 00"},
        {"BOUNDSHEET",
         [](RecordList& l) { addBoundSheet(l, 0x1234, SheetVisibility::kVisible, u"List1"); },
         "85 00 12 00 34 12 00 00 00 00 05 01 4C 00 69 00 73 00 74 00 31 00"},
        {"BOUNDSHEET hidden",
         [](RecordList& l) { addBoundSheet(l, 0x01020304, SheetVisibility::kHidden, u"X"); },
         "85 00 0A 00 04 03 02 01 01 00 01 01 58 00"},
    });
    EXPECT_EQ(boundSheetLength(u"List1"), 22u);
}

TEST(GlobalsRecords, XfRecordsOfTheBuiltInAndDerivedFormats) {
    expectBytes({
        {"XF 0, the Normal style", [](RecordList& l) { addXf(l, {.isStyle = true}); },
         "E0 00 14 00 00 00 00 00 F5 FF 20 00 00 00 00 00 00 00 00 00 00 00 C0 20"},
        {"XF 1, a style with flags 0x34",
         [](RecordList& l) { addXf(l, {.isStyle = true, .usedAttributes = 0x34}); },
         "E0 00 14 00 00 00 00 00 F5 FF 20 00 00 D0 00 00 00 00 00 00 00 00 C0 20"},
        {"XF 15, the default cell format", [](RecordList& l) { addXf(l, {}); },
         "E0 00 14 00 00 00 00 00 01 00 20 00 00 00 00 00 00 00 00 00 00 00 C0 20"},
        {"XF 16, Currency style",
         [](RecordList& l) {
             addXf(l, {.ifnt = 1, .ifmt = 44, .isStyle = true, .usedAttributes = 0x3E});
         },
         "E0 00 14 00 01 00 2C 00 F5 FF 20 00 00 F8 00 00 00 00 00 00 00 00 C0 20"},
        {"centred, bordered cell on font 5",
         [](RecordList& l) {
             addXf(l, {.ifnt = 5,
                       .alignment = 0x22,
                       .usedAttributes = 0x0E,
                       .borderWord1 = 0x20401111,
                       .borderWord2 = 0x00002040});
         },
         "E0 00 14 00 05 00 00 00 01 00 22 00 00 38 11 11 40 20 40 20 00 00 C0 20"},
        {"solid fill, pattern colour 15 over 64",
         [](RecordList& l) {
             addXf(l, {.usedAttributes = 0x10,
                       .fillPattern = 1,
                       .patternColour = 15,
                       .backgroundColour = 64});
         },
         "E0 00 14 00 00 00 00 00 01 00 20 00 00 40 00 00 00 00 00 00 00 04 0F 20"},
        {"hidden, unlocked, wrapped, parent 3",
         [](RecordList& l) {
             addXf(l, {.locked = false,
                       .hidden = true,
                       .parentIxfe = 3,
                       .alignment = 0x28,
                       .rotation = 90,
                       .indentByte = 0x12});
         },
         "E0 00 14 00 00 00 00 00 32 00 28 5A 12 00 00 00 00 00 00 00 00 00 C0 20"},
    });
}

TEST(GlobalsRecords, PaletteHoldsFiftySixColoursFromColour8) {
    std::array<Rgb, 56> colours{};
    colours[0] = {0x00, 0x00, 0x00};
    colours[1] = {0xFF, 0xFF, 0xFF};
    colours[55] = {0x33, 0x33, 0x33};
    RecordList list;
    addPalette(list, colours);
    const std::string bytes = hex(list);
    EXPECT_EQ(bytes.substr(0, 3 * 14 - 1), "92 00 E2 00 38 00 00 00 00 00 FF FF FF 00");
    EXPECT_EQ(bytes.substr(bytes.size() - 11), "33 33 33 00");
    EXPECT_EQ(list.length(), 4u + 226u);
}

TEST(SheetRecords, SettingsAndTailRecordsWithTheirDefaults) {
    expectBytes({
        {"CALCMODE", [](RecordList& l) { addCalcMode(l); }, "0D 00 02 00 01 00"},
        {"CALCCOUNT", [](RecordList& l) { addCalcCount(l); }, "0C 00 02 00 64 00"},
        {"REFMODE", [](RecordList& l) { addRefMode(l, true); }, "0F 00 02 00 01 00"},
        {"ITERATION", [](RecordList& l) { addIteration(l); }, "11 00 02 00 00 00"},
        {"DELTA 0.001", [](RecordList& l) { addDelta(l); }, "10 00 08 00 FC A9 F1 D2 4D 62 50 3F"},
        {"SAVERECALC", [](RecordList& l) { addSaveRecalc(l); }, "5F 00 02 00 01 00"},
        {"DEFCOLWIDTH", [](RecordList& l) { addDefColWidth(l, 8); }, "55 00 02 00 08 00"},
        {"DEFAULTROWHEIGHT", [](RecordList& l) { addDefaultRowHeight(l, 255); },
         "25 02 04 00 00 00 FF 00"},
        {"PRINTHEADERS", [](RecordList& l) { addPrintHeaders(l, false); }, "2A 00 02 00 00 00"},
        {"PRINTGRIDLINES", [](RecordList& l) { addPrintGridlines(l, true); }, "2B 00 02 00 01 00"},
        {"GRIDSET with gridlines printed", [](RecordList& l) { addGridSet(l, true); },
         "82 00 02 00 00 00"},
        {"GRIDSET without", [](RecordList& l) { addGridSet(l, false); }, "82 00 02 00 01 00"},
        {"GUTS without outlines", [](RecordList& l) { addGuts(l, 0, 0); },
         "80 00 08 00 00 00 00 00 00 00 00 00"},
        {"GUTS row level 2, column level 1", [](RecordList& l) { addGuts(l, 2, 1); },
         "80 00 08 00 3A 00 1D 00 03 00 02 00"},
        {"WSBOOL default", [](RecordList& l) { addWsBool(l, {}); }, "81 00 02 00 C1 04"},
        {"WSBOOL fit to pages", [](RecordList& l) { addWsBool(l, {.fitToPages = true}); },
         "81 00 02 00 C1 05"},
        {"SETUP default", [](RecordList& l) { addSetup(l, {}); },
         "A1 00 22 00 00 00 64 00 01 00 00 00 00 00 02 00 58 02 58 02 00 00 00 00 00 00 E0 3F "
         "00 00 00 00 00 00 E0 3F 01 00"},
        {"SETUP landscape A4",
         [](RecordList& l) { addSetup(l, {.paperSize = 9, .portrait = false}); },
         "A1 00 22 00 09 00 64 00 01 00 00 00 00 00 00 00 58 02 58 02 00 00 00 00 00 00 E0 3F "
         "00 00 00 00 00 00 E0 3F 01 00"},
        {"DIMENSIONS of an empty sheet", [](RecordList& l) { addDimensions(l, {}); },
         "00 02 0E 00 00 00 00 00 00 00 00 00 00 00 00 01 00 00"},
        {"DIMENSIONS A1:E70000-like",
         [](RecordList& l) {
             addDimensions(l, {0, 65536, 0, 5});
         },
         "00 02 0E 00 00 00 00 00 00 00 01 00 00 00 05 00 00 00"},
        {"BOTTOMMARGIN", [](RecordList& l) { addBottomMargin(l, 1.0); },
         "29 00 08 00 00 00 00 00 00 00 F0 3F"},
        {"TOPMARGIN", [](RecordList& l) { addTopMargin(l, 1.0); },
         "28 00 08 00 00 00 00 00 00 00 F0 3F"},
        {"RIGHTMARGIN", [](RecordList& l) { addRightMargin(l, 0.75); },
         "27 00 08 00 00 00 00 00 00 00 E8 3F"},
        {"LEFTMARGIN", [](RecordList& l) { addLeftMargin(l, 0.75); },
         "26 00 08 00 00 00 00 00 00 00 E8 3F"},
        {"VCENTER", [](RecordList& l) { addVCenter(l, false); }, "84 00 02 00 00 00"},
        {"HCENTER", [](RecordList& l) { addHCenter(l, true); }, "83 00 02 00 01 00"},
        {"FOOTER empty", [](RecordList& l) { addFooter(l, u""); }, "15 00 03 00 00 00 01"},
        {"HEADER", [](RecordList& l) { addHeader(l, u"&CX"); },
         "14 00 09 00 03 00 01 26 00 43 00 58 00"},
        {"WINDOW2 selected", [](RecordList& l) { addWindow2(l, {.selected = true}); },
         "3E 02 12 00 B6 06 00 00 00 00 40 00 00 00 00 00 00 00 00 00 00 00"},
        {"WINDOW2 other sheet", [](RecordList& l) { addWindow2(l, {}); },
         "3E 02 12 00 B6 04 00 00 00 00 40 00 00 00 00 00 00 00 00 00 00 00"},
        {"SELECTION A1", [](RecordList& l) { addSelection(l, {}); },
         "1D 00 0F 00 03 00 00 00 00 00 00 01 00 00 00 00 00 00 00"},
        {"SELECTION B3:D4",
         [](RecordList& l) {
             addSelection(l, {3, 2, 1, 2, 3, 1, 3});
         },
         "1D 00 0F 00 03 02 00 01 00 00 00 01 00 02 00 03 00 01 03"},
        {"INDEX",
         [](RecordList& l) {
             const std::uint32_t offsets[] = {0x100, 0x200};
             addIndex(l, {40, 101, offsets});
         },
         "0B 02 18 00 00 00 00 00 28 00 00 00 65 00 00 00 00 00 00 00 00 01 00 00 00 02 00 00"},
        {"COLINFO",
         [](RecordList& l) {
             addColInfo(l, {3, 4, 2230, 0});
         },
         "7D 00 0C 00 03 00 04 00 B6 08 00 00 02 00 02 00"},
        {"COLINFO hidden, level 2, own format",
         [](RecordList& l) {
             addColInfo(l, {254, 256, 950, 21, true, 2});
         },
         "7D 00 0C 00 FE 00 00 01 B6 03 15 00 03 02 02 00"},
    });
    EXPECT_EQ(indexLength(2), 28u);
}

TEST(CellRecords, RowAndCellRecords) {
    expectBytes({
        {"ROW without own height or format",
         [](RecordList& l) {
             addRow(l, {5, 0, 5});
         },
         "08 02 10 00 05 00 00 00 05 00 FF 80 00 00 00 00 00 01 0F 00"},
        {"ROW hidden with own height, format and level 1",
         [](RecordList& l) {
             addRow(l, {.row = 7,
                        .colMic = 2,
                        .colMac = 3,
                        .height = 400,
                        .ownHeight = true,
                        .hidden = true,
                        .ownFormat = true,
                        .ixfe = 22,
                        .outlineLevel = 1,
                        .outlineBorder = true});
         },
         "08 02 10 00 07 00 02 00 03 00 90 01 00 00 00 00 B1 01 16 00"},
        {"ROW own height, visible",
         [](RecordList& l) { addRow(l, {.row = 1, .height = 300, .ownHeight = true}); },
         "08 02 10 00 01 00 00 00 00 00 2C 01 00 00 00 00 40 01 0F 00"},
        {"DBCELL",
         [](RecordList& l) {
             const std::uint16_t offsets[] = {20, 14};
             addDbCell(l, 100, offsets);
         },
         "D7 00 08 00 64 00 00 00 14 00 0E 00"},
        {"DBCELL of an empty block", [](RecordList& l) { addDbCell(l, 0, {}); },
         "D7 00 04 00 00 00 00 00"},
        {"LABELSST",
         [](RecordList& l) {
             addLabelSst(l, {1, 2, 21}, 7);
         },
         "FD 00 0A 00 01 00 02 00 15 00 07 00 00 00"},
        {"BLANK",
         [](RecordList& l) {
             addBlank(l, {0, 1, 21});
         },
         "01 02 06 00 00 00 01 00 15 00"},
        {"MULBLANK with an ixfe 0 inside",
         [](RecordList& l) {
             const std::uint16_t ixfes[] = {21, 0, 22};
             addMulBlank(l, 0, 1, ixfes);
         },
         "BE 00 0C 00 00 00 01 00 15 00 00 00 16 00 03 00"},
        {"RK 0.5",
         [](RecordList& l) {
             addRk(l, {0, 0, 15}, 0xCB);
         },
         "7E 02 0A 00 00 00 00 00 0F 00 CB 00 00 00"},
        {"MULRK 1, 2",
         [](RecordList& l) {
             const RkCell cells[] = {{15, 6}, {15, 10}};
             addMulRk(l, 0, 0, cells);
         },
         "BD 00 12 00 00 00 00 00 0F 00 06 00 00 00 0F 00 0A 00 00 00 01 00"},
        {"NUMBER",
         [](RecordList& l) {
             addNumber(l, {0, 0, 15}, 0.001);
         },
         "03 02 0E 00 00 00 00 00 0F 00 FC A9 F1 D2 4D 62 50 3F"},
        {"BOOLERR true",
         [](RecordList& l) {
             addBoolErr(l, {0, 0, 15}, true);
         },
         "05 02 08 00 00 00 00 00 0F 00 01 00"},
        {"MERGEDCELLS A1:E1",
         [](RecordList& l) {
             addMergedCells(l, {0, 0, 0, 4});
         },
         "E5 00 0A 00 01 00 00 00 00 00 00 00 04 00"},
    });
}

}  // namespace
