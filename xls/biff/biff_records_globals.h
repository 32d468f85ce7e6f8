#pragma once

// One function per record of the workbook-globals substream. Each takes plain
// values and appends exactly one record (with CONTINUE pieces where its data
// is longer than a record holds) to a record list.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "xls/biff/record_list.h"

namespace xls::records {

enum class SubstreamKind : std::uint16_t { kWorkbookGlobals = 0x0005, kWorksheet = 0x0010 };

void addBof(RecordList& list, SubstreamKind kind);
void addEof(RecordList& list);
void addCodePage(RecordList& list, std::uint16_t codePage);
void addDsf(RecordList& list);

struct Window1Fields {
    std::uint16_t itabCur = 0;    // 0-based position of the active sheet
    std::uint16_t itabFirst = 0;  // first visible tab
    std::uint16_t ctabSel = 1;    // number of selected sheets
};
void addWindow1(RecordList& list, const Window1Fields& fields);

void addBackup(RecordList& list);
void addDateMode(RecordList& list, bool date1904);
void addPrecision(RecordList& list);
// Also in each worksheet substream.
void addRefMode(RecordList& list, bool a1Style);
void addFnGroupCount(RecordList& list);
void addBookBool(RecordList& list);

struct FontFields {
    std::uint16_t heightTwips = 200;
    bool italic = false;
    bool strikeout = false;
    bool outline = false;
    bool shadow = false;
    std::uint16_t colour = 0x7FFF;  // colour number; 0 is written as automatic
    bool bold = false;
    bool superscript = false;
    bool subscript = false;
    std::uint8_t underline = 0;
    std::uint8_t family = 0;
    std::uint8_t charSet = 0;
    std::u16string_view name;  // at most 255 code units are written
};
void addFont(RecordList& list, const FontFields& fields);

void addFormat(RecordList& list, std::uint16_t ifmt, std::u16string_view text);

struct XfFields {
    std::uint16_t ifnt = 0;  // BIFF font index (never 4)
    std::uint16_t ifmt = 0;
    bool locked = true;
    bool hidden = false;
    bool isStyle = false;           // a style XF: no parent
    std::uint16_t parentIxfe = 0;   // written ixfe of the parent of a cell XF
    std::uint8_t alignment = 0x20;  // alc | fWrap << 3 | alcV << 4 | fJustLast << 7
    std::uint8_t rotation = 0;
    std::uint8_t indentByte = 0;      // cIndent, fShrinkToFit, iReadOrder
    std::uint8_t usedAttributes = 0;  // the six flags fAtrNum..fAtrProt, bits 0-5
    std::uint32_t borderWord1 = 0;
    std::uint32_t borderWord2 = 0;  // bits 0-24 used; fls goes into bits 26-31
    std::uint8_t fillPattern = 0;
    std::uint8_t patternColour = 64;     // icvFore
    std::uint8_t backgroundColour = 65;  // icvBack
};
void addXf(RecordList& list, const XfFields& fields);

void addBuiltInStyle(RecordList& list, std::uint16_t ixfe, std::uint8_t builtInId);
void addUserStyle(RecordList& list, std::uint16_t ixfe, std::u16string_view name);

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};
// Colours 8 to 63, in that order.
void addPalette(RecordList& list, const std::array<Rgb, 56>& colours);

void addCountry(RecordList& list);
void addRecalcId(RecordList& list);

enum class SheetVisibility : std::uint8_t { kVisible = 0, kHidden = 1, kVeryHidden = 2 };
void addBoundSheet(RecordList& list, std::uint32_t bofOffset, SheetVisibility visibility,
                   std::u16string_view name);
// Bytes of one BOUNDSHEET record, header included, known before it is built.
std::size_t boundSheetLength(std::u16string_view name);

void addSupBookSelf(RecordList& list, std::uint16_t sheetCount);

struct SheetReference {
    std::uint16_t supBook = 0;
    std::uint16_t firstSheet = 0;
    std::uint16_t lastSheet = 0;
};
void addExternSheet(RecordList& list, std::span<const SheetReference> references);

// The drawing group of a workbook without shapes or pictures.
void addEmptyDrawingGroup(RecordList& list);

}  // namespace xls::records
