#include "xls/biff/biff_records_sheet.h"

#include <algorithm>

#include "xls/biff/biff_record_types.h"

namespace xls::records {
namespace {

void addWord(RecordList& list, std::uint16_t type, std::uint16_t value) {
    list.build(type, 2, [&](RecordBuffer& b) { b.u16(value); });
}

void addDouble(RecordList& list, std::uint16_t type, double value) {
    list.build(type, 8, [&](RecordBuffer& b) { b.f64(value); });
}

// HEADER and FOOTER share one layout, 3 + 2n bytes:
//   0  2  cch
//   2  1  option 0x01
//   3 2n  text
void addHeaderFooter(RecordList& list, std::uint16_t type, std::u16string_view text) {
    const std::u16string_view written = text.substr(0, std::min<std::size_t>(text.size(), 0xFFFF));
    list.build(type, 3 + 2 * written.size(), [&](RecordBuffer& b) {
        b.u16(static_cast<std::uint16_t>(written.size()));
        b.u8(0x01);
        b.utf16(written);
    });
}

}  // namespace

// INDEX, 16 + 4n bytes ([MS-XLS] 2.4.144)
//   0  4  reserved 0
//   4  4  rwMic   lowest row with a row entry
//   8  4  rwMac   highest such row + 1
//  12  4  reserved 0
//  16 4n  rgibRw  absolute stream offset of each DBCELL
void addIndex(RecordList& list, const IndexFields& fields) {
    list.build(rt::kIndex, 16 + 4 * fields.dbCellOffsets.size(), [&](RecordBuffer& b) {
        b.u32(0);
        b.u32(fields.rwMic);
        b.u32(fields.rwMac);
        b.u32(0);
        for (const std::uint32_t offset : fields.dbCellOffsets) {
            b.u32(offset);
        }
    });
}

// CALCMODE, 2 bytes: 1 automatic.
void addCalcMode(RecordList& list) {
    addWord(list, rt::kCalcMode, 1);
}

// CALCCOUNT, 2 bytes: 100 iterations.
void addCalcCount(RecordList& list) {
    addWord(list, rt::kCalcCount, 100);
}

// ITERATION, 2 bytes: 0 (no iterative calculation).
void addIteration(RecordList& list) {
    addWord(list, rt::kIteration, 0);
}

// DELTA, 8 bytes: 0.001, the largest change of an iteration.
void addDelta(RecordList& list) {
    addDouble(list, rt::kDelta, 0.001);
}

// SAVERECALC, 2 bytes: 1 (recalculate before saving).
void addSaveRecalc(RecordList& list) {
    addWord(list, rt::kSaveRecalc, 1);
}

// DEFCOLWIDTH, 2 bytes: default width in characters.
void addDefColWidth(RecordList& list, std::uint16_t characters) {
    addWord(list, rt::kDefColWidth, characters);
}

// COLINFO, 12 bytes ([MS-XLS] 2.4.53)
//   0  2  colFirst
//   2  2  colLast
//   4  2  coldx     width, 1/256 of a character
//   6  2  ixfe
//   8  2  grbit     0x0001 hidden, 0x0002 always, outline level in bits 8-10
//  10  2  reserved  0x0002
void addColInfo(RecordList& list, const ColInfoFields& fields) {
    const std::uint16_t grbit = static_cast<std::uint16_t>(0x0002 | (fields.hidden ? 0x0001 : 0) |
                                                           ((fields.outlineLevel & 0x7) << 8));
    list.build(rt::kColInfo, 12, [&](RecordBuffer& b) {
        b.u16(fields.colFirst);
        b.u16(fields.colLast);
        b.u16(fields.width);
        b.u16(fields.ixfe);
        b.u16(grbit);
        b.u16(0x0002);
    });
}

// DEFAULTROWHEIGHT, 4 bytes: flags 0, miyRw (twips).
void addDefaultRowHeight(RecordList& list, std::uint16_t heightTwips) {
    list.build(rt::kDefaultRowHeight, 4, [&](RecordBuffer& b) {
        b.u16(0);
        b.u16(heightTwips);
    });
}

// PRINTHEADERS, 2 bytes: print row and column headings.
void addPrintHeaders(RecordList& list, bool printHeadings) {
    addWord(list, rt::kPrintHeaders, printHeadings ? 1 : 0);
}

// PRINTGRIDLINES, 2 bytes.
void addPrintGridlines(RecordList& list, bool printGridlines) {
    addWord(list, rt::kPrintGridlines, printGridlines ? 1 : 0);
}

// GRIDSET, 2 bytes: the print-gridlines flag XOR 1.
void addGridSet(RecordList& list, bool printGridlines) {
    addWord(list, rt::kGridSet, printGridlines ? 0 : 1);
}

// GUTS, 8 bytes ([MS-XLS] 2.4.134)
//   0  2  dxRwGut       29 x highest row outline level
//   2  2  dyColGut      29 x highest column outline level
//   4  2  iLevelRwMac   level + 1, or 0 for level 0
//   6  2  iLevelColMac
void addGuts(RecordList& list, std::uint8_t rowOutlineLevel, std::uint8_t columnOutlineLevel) {
    const auto levels = [](std::uint8_t level) -> std::uint16_t {
        return level == 0 ? 0 : static_cast<std::uint16_t>(level + 1);
    };
    list.build(rt::kGuts, 8, [&](RecordBuffer& b) {
        b.u16(static_cast<std::uint16_t>(29 * rowOutlineLevel));
        b.u16(static_cast<std::uint16_t>(29 * columnOutlineLevel));
        b.u16(levels(rowOutlineLevel));
        b.u16(levels(columnOutlineLevel));
    });
}

// WSBOOL, 2 bytes: 0x0401 always, 0x0040 summary rows below, 0x0080 summary
// columns right, 0x0100 fit to pages.
void addWsBool(RecordList& list, const WsBoolFields& fields) {
    addWord(list, rt::kWsBool,
            static_cast<std::uint16_t>(0x0401 | (fields.summaryRowsBelow ? 0x0040 : 0) |
                                       (fields.summaryColumnsRight ? 0x0080 : 0) |
                                       (fields.fitToPages ? 0x0100 : 0)));
}

// SETUP, 34 bytes ([MS-XLS] 2.4.257)
//   0  2  iPaperSize
//   2  2  iScale
//   4  2  iPageStart  1
//   6  2  iFitWidth
//   8  2  iFitHeight
//  10  2  grbit       0x0002 portrait
//  12  2  iRes        600
//  14  2  iVRes       600
//  16  8  numHdr      header margin, inches
//  24  8  numFtr      footer margin, inches
//  32  2  iCopies     1
void addSetup(RecordList& list, const SetupFields& fields) {
    list.build(rt::kSetup, 34, [&](RecordBuffer& b) {
        b.u16(fields.paperSize);
        b.u16(fields.scale);
        b.u16(1);
        b.u16(fields.fitWidth);
        b.u16(fields.fitHeight);
        b.u16(fields.portrait ? 0x0002 : 0x0000);
        b.u16(600);
        b.u16(600);
        b.f64(fields.headerMargin);
        b.f64(fields.footerMargin);
        b.u16(1);
    });
}

// DIMENSIONS, 14 bytes ([MS-XLS] 2.4.90)
//   0  4  rwMic
//   4  4  rwMac   last row + 1
//   8  2  colMic
//  10  2  colMac  last column + 1
//  12  2  reserved 0
void addDimensions(RecordList& list, const Extent& extent) {
    list.build(rt::kDimensions, 14, [&](RecordBuffer& b) {
        b.u32(extent.firstRow);
        b.u32(extent.lastRowPlus1);
        b.u16(extent.firstColumn);
        b.u16(extent.lastColumnPlus1);
        b.u16(0);
    });
}

// Margins, 8 bytes each: the margin in inches.
void addBottomMargin(RecordList& list, double inches) {
    addDouble(list, rt::kBottomMargin, inches);
}
void addTopMargin(RecordList& list, double inches) {
    addDouble(list, rt::kTopMargin, inches);
}
void addRightMargin(RecordList& list, double inches) {
    addDouble(list, rt::kRightMargin, inches);
}
void addLeftMargin(RecordList& list, double inches) {
    addDouble(list, rt::kLeftMargin, inches);
}

// VCENTER and HCENTER, 2 bytes: centre the print on the page.
void addVCenter(RecordList& list, bool centred) {
    addWord(list, rt::kVCenter, centred ? 1 : 0);
}
void addHCenter(RecordList& list, bool centred) {
    addWord(list, rt::kHCenter, centred ? 1 : 0);
}

void addHeader(RecordList& list, std::u16string_view text) {
    addHeaderFooter(list, rt::kHeader, text);
}
void addFooter(RecordList& list, std::u16string_view text) {
    addHeaderFooter(list, rt::kFooter, text);
}

std::uint16_t window2Flags(const Window2Fields& fields) {
    return static_cast<std::uint16_t>(
        0x0004 | 0x0020 | 0x0080 | (fields.showGridlines ? 0x0002 : 0) |
        (fields.frozenPanes ? 0x0008 : 0) | (fields.showZeros ? 0x0010 : 0) |
        (fields.rightToLeft ? 0x0040 : 0) | (fields.selected ? 0x0200 : 0) |
        (fields.visible ? 0x0400 : 0));
}

// WINDOW2, 18 bytes ([MS-XLS] 2.4.346)
//   0  2  grbit         0x0002 gridlines, 0x0004 headings, 0x0008 frozen,
//                       0x0010 zeros, 0x0020 default header colour,
//                       0x0040 right-to-left, 0x0080 outline symbols,
//                       0x0200 selected, 0x0400 shown in the window
//   2  2  rwTop
//   4  2  colLeft
//   6  2  icvHdr        64
//   8  2  reserved 0
//  10  2  wScaleSLV     0
//  12  2  wScaleNormal  0
//  14  4  reserved 0
void addWindow2(RecordList& list, const Window2Fields& fields) {
    list.build(rt::kWindow2, 18, [&](RecordBuffer& b) {
        b.u16(window2Flags(fields));
        b.u16(fields.topRow);
        b.u16(fields.leftColumn);
        b.u16(64);
        b.u16(0);
        b.u16(0);
        b.u16(0);
        b.u32(0);
    });
}

// SELECTION, 15 bytes ([MS-XLS] 2.4.248)
//   0  1  pnn      active pane, 3 without panes
//   1  2  rwAct
//   3  2  colAct
//   5  2  irefAct  0
//   7  2  cref     1
//   9  2  rwFirst
//  11  2  rwLast
//  13  1  colFirst
//  14  1  colLast
void addSelection(RecordList& list, const SelectionFields& fields) {
    list.build(rt::kSelection, 15, [&](RecordBuffer& b) {
        b.u8(fields.pane);
        b.u16(fields.activeRow);
        b.u16(fields.activeColumn);
        b.u16(0);
        b.u16(1);
        b.u16(fields.firstRow);
        b.u16(fields.lastRow);
        b.u8(fields.firstColumn);
        b.u8(fields.lastColumn);
    });
}

// SCL, 4 bytes ([MS-XLS] 2.4.247): the zoom as the fraction nscl / dscl.
void addScl(RecordList& list, std::uint16_t zoomPercent) {
    list.build(rt::kScl, 4, [&](RecordBuffer& b) {
        b.u16(zoomPercent);
        b.u16(100);
    });
}

// STANDARDWIDTH, 2 bytes ([MS-XLS] 2.4.324): default column width, 1/256 characters.
void addStandardWidth(RecordList& list, std::uint16_t units) {
    addWord(list, rt::kStandardWidth, units);
}

}  // namespace xls::records
