#pragma once

// One function per record of a worksheet substream outside its cell table
// (settings, window and page records). Plain values in, one record out.

#include <cstdint>
#include <span>
#include <string_view>

#include "xls/biff/record_list.h"

namespace xls::records {

struct IndexFields {
    std::uint32_t rwMic = 0;                       // lowest row with a row entry
    std::uint32_t rwMac = 0;                       // highest such row + 1
    std::span<const std::uint32_t> dbCellOffsets;  // absolute stream offsets
};
void addIndex(RecordList& list, const IndexFields& fields);
// Bytes of the INDEX record, header included, for `dbCellCount` DBCELLs.
constexpr std::size_t indexLength(std::size_t dbCellCount) {
    return 4 + 16 + 4 * dbCellCount;
}

void addCalcMode(RecordList& list);
void addCalcCount(RecordList& list);
void addIteration(RecordList& list);
void addDelta(RecordList& list);
void addSaveRecalc(RecordList& list);
void addDefColWidth(RecordList& list, std::uint16_t characters);

struct ColInfoFields {
    std::uint16_t colFirst = 0;
    std::uint16_t colLast = 0;
    std::uint16_t width = 2340;  // 1/256 of a character
    std::uint16_t ixfe = 0;
    bool hidden = false;
    std::uint8_t outlineLevel = 0;
};
void addColInfo(RecordList& list, const ColInfoFields& fields);

void addDefaultRowHeight(RecordList& list, std::uint16_t heightTwips);
void addPrintHeaders(RecordList& list, bool printHeadings);
void addPrintGridlines(RecordList& list, bool printGridlines);
void addGridSet(RecordList& list, bool printGridlines);
void addGuts(RecordList& list, std::uint8_t rowOutlineLevel, std::uint8_t columnOutlineLevel);

struct WsBoolFields {
    bool summaryRowsBelow = true;
    bool summaryColumnsRight = true;
    bool fitToPages = false;
};
void addWsBool(RecordList& list, const WsBoolFields& fields);

struct SetupFields {
    std::uint16_t paperSize = 0;
    std::uint16_t scale = 100;
    std::uint16_t fitWidth = 0;
    std::uint16_t fitHeight = 0;
    bool portrait = true;
    double headerMargin = 0.5;  // inches
    double footerMargin = 0.5;
};
void addSetup(RecordList& list, const SetupFields& fields);

struct Extent {
    std::uint32_t firstRow = 0;
    std::uint32_t lastRowPlus1 = 0;
    std::uint16_t firstColumn = 0;
    std::uint16_t lastColumnPlus1 = 256;
};
void addDimensions(RecordList& list, const Extent& extent);

void addBottomMargin(RecordList& list, double inches);
void addTopMargin(RecordList& list, double inches);
void addRightMargin(RecordList& list, double inches);
void addLeftMargin(RecordList& list, double inches);
void addVCenter(RecordList& list, bool centred);
void addHCenter(RecordList& list, bool centred);

// HEADER and FOOTER texts, already joined from their "&L", "&C", "&R" parts.
void addHeader(RecordList& list, std::u16string_view text);
void addFooter(RecordList& list, std::u16string_view text);

struct Window2Fields {
    bool showGridlines = true;
    bool frozenPanes = false;
    bool showZeros = true;
    bool rightToLeft = false;
    bool selected = false;
    bool visible = true;
    std::uint16_t topRow = 0;
    std::uint16_t leftColumn = 0;
};
std::uint16_t window2Flags(const Window2Fields& fields);
void addWindow2(RecordList& list, const Window2Fields& fields);

struct SelectionFields {
    std::uint8_t pane = 3;
    std::uint16_t activeRow = 0;
    std::uint16_t activeColumn = 0;
    std::uint16_t firstRow = 0;
    std::uint16_t lastRow = 0;
    std::uint8_t firstColumn = 0;
    std::uint8_t lastColumn = 0;
};
void addSelection(RecordList& list, const SelectionFields& fields);

// Only for a zoom other than 100 per cent.
void addScl(RecordList& list, std::uint16_t zoomPercent);
// Only for a default column width other than 2340 (1/256 characters).
void addStandardWidth(RecordList& list, std::uint16_t units);

}  // namespace xls::records
