#include "xls/biff/biff_records_globals.h"

#include <algorithm>

#include "xls/biff/biff_record_types.h"

namespace xls::records {
namespace {

constexpr std::uint16_t kBiff8Version = 0x0600;
constexpr std::uint8_t kUncompressedUtf16 = 0x01;

// A text behind a one-byte character count holds at most 255 code units.
std::u16string_view shortText(std::u16string_view text) {
    return text.substr(0, std::min<std::size_t>(text.size(), 0xFF));
}

void addWord(RecordList& list, std::uint16_t type, std::uint16_t value) {
    list.build(type, 2, [&](RecordBuffer& b) { b.u16(value); });
}

}  // namespace

// BOF, 16 bytes ([MS-XLS] 2.4.21)
//   0  2  vers       0x0600 (BIFF8)
//   2  2  dt         0x0005 globals, 0x0010 worksheet
//   4  2  rupBuild   0x18AF
//   6  2  rupYear    0x07CD
//   8  4  bfh        0x000080C9 (file history flags)
//  12  4  sfo        0x00000106 (lowest version that can read all records)
void addBof(RecordList& list, SubstreamKind kind) {
    list.build(rt::kBof, 16, [&](RecordBuffer& b) {
        b.u16(kBiff8Version);
        b.u16(static_cast<std::uint16_t>(kind));
        b.u16(0x18AF);
        b.u16(0x07CD);
        b.u32(0x000080C9);
        b.u32(0x00000106);
    });
}

// EOF, no data.
void addEof(RecordList& list) {
    list.add(rt::kEof, std::span<const std::uint8_t>{});
}

// CODEPAGE, 2 bytes: cv (1200 = UTF-16).
void addCodePage(RecordList& list, std::uint16_t codePage) {
    addWord(list, rt::kCodePage, codePage);
}

// DSF, 2 bytes: 0 (no double-stream file).
void addDsf(RecordList& list) {
    addWord(list, rt::kDsf, 0);
}

// WINDOW1, 18 bytes ([MS-XLS] 2.4.345)
//   0  2  xWn        0
//   2  2  yWn        0
//   4  2  dxWn       9660
//   6  2  dyWn       5490
//   8  2  grbit      0x0038: horizontal and vertical scroll bars, sheet tabs
//  10  2  itabCur    active sheet, 0-based
//  12  2  itabFirst  first visible tab
//  14  2  ctabSel    number of selected sheets
//  16  2  wTabRatio  600
void addWindow1(RecordList& list, const Window1Fields& fields) {
    list.build(rt::kWindow1, 18, [&](RecordBuffer& b) {
        b.u16(0);
        b.u16(0);
        b.u16(9660);
        b.u16(5490);
        b.u16(0x0038);
        b.u16(fields.itabCur);
        b.u16(fields.itabFirst);
        b.u16(fields.ctabSel);
        b.u16(600);
    });
}

// BACKUP, 2 bytes: 0 (no backup copy on save).
void addBackup(RecordList& list) {
    addWord(list, rt::kBackup, 0);
}

// DATEMODE, 2 bytes: 0 = 1900 date system, 1 = 1904.
void addDateMode(RecordList& list, bool date1904) {
    addWord(list, rt::kDateMode, date1904 ? 1 : 0);
}

// PRECISION, 2 bytes: 1 (full precision).
void addPrecision(RecordList& list) {
    addWord(list, rt::kPrecision, 1);
}

// REFMODE, 2 bytes: 1 = A1 references, 0 = R1C1.
void addRefMode(RecordList& list, bool a1Style) {
    addWord(list, rt::kRefMode, a1Style ? 1 : 0);
}

// FNGROUPCOUNT, 2 bytes: 14 built-in function groups.
void addFnGroupCount(RecordList& list) {
    addWord(list, rt::kFnGroupCount, 14);
}

// BOOKBOOL, 2 bytes: 0.
void addBookBool(RecordList& list) {
    addWord(list, rt::kBookBool, 0);
}

// FONT, 16 + 2n bytes ([MS-XLS] 2.4.122)
//   0  2  dyHeight   twips
//   2  2  grbit      0x02 italic, 0x08 strikeout, 0x10 outline, 0x20 shadow
//   4  2  icv        colour number, 0x7FFF automatic
//   6  2  bls        700 bold, 400 normal
//   8  2  sss        0 none, 1 superscript, 2 subscript
//  10  1  uls        underline style
//  11  1  bFamily
//  12  1  bCharSet
//  13  1  reserved   0
//  14  1  cch        name length
//  15  1  option     0x01 (UTF-16LE)
//  16 2n  name
void addFont(RecordList& list, const FontFields& fields) {
    const std::u16string_view name = shortText(fields.name);
    list.build(rt::kFont, 16 + 2 * name.size(), [&](RecordBuffer& b) {
        b.u16(fields.heightTwips);
        b.u16(static_cast<std::uint16_t>((fields.italic ? 0x02 : 0) |
                                         (fields.strikeout ? 0x08 : 0) |
                                         (fields.outline ? 0x10 : 0) | (fields.shadow ? 0x20 : 0)));
        b.u16(fields.colour == 0 ? 0x7FFF : fields.colour);
        b.u16(fields.bold ? 700 : 400);
        b.u16(fields.superscript ? 1 : (fields.subscript ? 2 : 0));
        b.u8(fields.underline);
        b.u8(fields.family);
        b.u8(fields.charSet);
        b.u8(0);
        b.u8(static_cast<std::uint8_t>(name.size()));
        b.u8(kUncompressedUtf16);
        b.utf16(name);
    });
}

// FORMAT, 5 + 2n bytes ([MS-XLS] 2.4.126)
//   0  2  ifmt
//   2  2  cch
//   4  1  option  0x01
//   5 2n  format text
void addFormat(RecordList& list, std::uint16_t ifmt, std::u16string_view text) {
    const std::u16string_view written = text.substr(0, std::min<std::size_t>(text.size(), 0xFFFF));
    list.build(rt::kFormat, 5 + 2 * written.size(), [&](RecordBuffer& b) {
        b.u16(ifmt);
        b.u16(static_cast<std::uint16_t>(written.size()));
        b.u8(kUncompressedUtf16);
        b.utf16(written);
    });
}

// XF, 20 bytes ([MS-XLS] 2.4.353)
//   0  2  ifnt
//   2  2  ifmt
//   4  2  fLocked (bit 0), fHidden (1), fStyle (2), ixfParent (4-15; 0xFFF for a style)
//   6  1  alc (0-2), fWrap (3), alcV (4-6), fJustLast (7)
//   7  1  trot
//   8  1  cIndent (0-3), fShrinkToFit (4), iReadOrder (6-7)
//   9  1  used-attribute flags fAtrNum..fAtrProt in bits 2-7
//  10  4  left/right line styles and colours, diagonal flags
//  14  4  top/bottom/diagonal colours, diagonal style (bits 0-24), fls (26-31)
//  18  2  icvFore (0-6), icvBack (7-13)
void addXf(RecordList& list, const XfFields& fields) {
    const std::uint16_t parent = fields.isStyle ? 0xFFF : (fields.parentIxfe & 0xFFF);
    const std::uint16_t typeWord =
        static_cast<std::uint16_t>((fields.locked ? 0x1 : 0) | (fields.hidden ? 0x2 : 0) |
                                   (fields.isStyle ? 0x4 : 0) | (parent << 4));
    const std::uint32_t word2 = (fields.borderWord2 & 0x01FFFFFFu) |
                                (static_cast<std::uint32_t>(fields.fillPattern & 0x3F) << 26);
    const std::uint16_t colours = static_cast<std::uint16_t>(
        (fields.patternColour & 0x7F) | ((fields.backgroundColour & 0x7F) << 7));
    list.build(rt::kXf, 20, [&](RecordBuffer& b) {
        b.u16(fields.ifnt);
        b.u16(fields.ifmt);
        b.u16(typeWord);
        b.u8(fields.alignment);
        b.u8(fields.rotation);
        b.u8(fields.indentByte);
        b.u8(static_cast<std::uint8_t>((fields.usedAttributes & 0x3F) << 2));
        b.u32(fields.borderWord1);
        b.u32(word2);
        b.u16(colours);
    });
}

// STYLE of a built-in style, 4 bytes ([MS-XLS] 2.4.269)
//   0  2  ixfe | 0x8000 (fBuiltIn)
//   2  1  istyBuiltIn  0 Normal, 3 Comma, 4 Currency, 5 Percent, 6 Comma [0], 7 Currency [0]
//   3  1  iLevel       0xFF
void addBuiltInStyle(RecordList& list, std::uint16_t ixfe, std::uint8_t builtInId) {
    list.build(rt::kStyle, 4, [&](RecordBuffer& b) {
        b.u16(static_cast<std::uint16_t>((ixfe & 0x0FFF) | 0x8000));
        b.u8(builtInId);
        b.u8(0xFF);
    });
}

// STYLE of a user-defined style, 5 + 2n bytes
//   0  2  ixfe (bits 0-11), bit 15 clear
//   2  2  cch
//   4  1  option 0x01
//   5 2n  name
void addUserStyle(RecordList& list, std::uint16_t ixfe, std::u16string_view name) {
    const std::u16string_view written = shortText(name);
    list.build(rt::kStyle, 5 + 2 * written.size(), [&](RecordBuffer& b) {
        b.u16(ixfe & 0x0FFF);
        b.u16(static_cast<std::uint16_t>(written.size()));
        b.u8(kUncompressedUtf16);
        b.utf16(written);
    });
}

// PALETTE, 226 bytes ([MS-XLS] 2.4.188)
//   0  2  ccv  56
//   2 224 colours 8..63, each red, green, blue, 0
void addPalette(RecordList& list, const std::array<Rgb, 56>& colours) {
    list.build(rt::kPalette, 2 + 4 * colours.size(), [&](RecordBuffer& b) {
        b.u16(static_cast<std::uint16_t>(colours.size()));
        for (const Rgb& colour : colours) {
            b.u8(colour.red);
            b.u8(colour.green);
            b.u8(colour.blue);
            b.u8(0);
        }
    });
}

// COUNTRY, 4 bytes: iCountryDef 1, iCountryWinIni 1.
void addCountry(RecordList& list) {
    list.build(rt::kCountry, 4, [](RecordBuffer& b) {
        b.u16(1);
        b.u16(1);
    });
}

// RECALCID, 8 bytes: rt 0x01C1, reserved 0 (2), dwBuild 0x00FFFFFF.
void addRecalcId(RecordList& list) {
    list.build(rt::kRecalcId, 8, [](RecordBuffer& b) {
        b.u16(rt::kRecalcId);
        b.u16(0);
        b.u32(0x00FFFFFF);
    });
}

std::size_t boundSheetLength(std::u16string_view name) {
    return 4 + 8 + 2 * shortText(name).size();
}

// BOUNDSHEET, 8 + 2n bytes ([MS-XLS] 2.4.28)
//   0  4  lbPlyPos  stream offset of the sheet's BOF
//   4  1  hsState   0 visible, 1 hidden, 2 very hidden
//   5  1  dt        0 worksheet
//   6  1  cch
//   7  1  option    0x01
//   8 2n  name
void addBoundSheet(RecordList& list, std::uint32_t bofOffset, SheetVisibility visibility,
                   std::u16string_view name) {
    const std::u16string_view written = shortText(name);
    list.build(rt::kBoundSheet, 8 + 2 * written.size(), [&](RecordBuffer& b) {
        b.u32(bofOffset);
        b.u8(static_cast<std::uint8_t>(visibility));
        b.u8(0);
        b.u8(static_cast<std::uint8_t>(written.size()));
        b.u8(kUncompressedUtf16);
        b.utf16(written);
    });
}

// SUPBOOK of the workbook itself, 4 bytes ([MS-XLS] 2.4.271)
//   0  2  ctab  number of sheets
//   2  2  cch   0x0401 (self-reference marker)
void addSupBookSelf(RecordList& list, std::uint16_t sheetCount) {
    list.build(rt::kSupBook, 4, [&](RecordBuffer& b) {
        b.u16(sheetCount);
        b.u16(0x0401);
    });
}

// EXTERNSHEET, 2 + 6n bytes ([MS-XLS] 2.4.106)
//   0  2  cXTI
//   then per reference: iSupBook (2), itabFirst (2), itabLast (2)
void addExternSheet(RecordList& list, std::span<const SheetReference> references) {
    list.build(rt::kExternSheet, 2 + 6 * references.size(), [&](RecordBuffer& b) {
        b.u16(static_cast<std::uint16_t>(references.size()));
        for (const SheetReference& reference : references) {
            b.u16(reference.supBook);
            b.u16(reference.firstSheet);
            b.u16(reference.lastSheet);
        }
    });
}

namespace {

// OfficeArt record header ([MS-ODRAW] 2.2.1): recVer (bits 0-3) and
// recInstance (4-15), recType, recLen.
void officeArtHeader(RecordBuffer& b, std::uint16_t version, std::uint16_t instance,
                     std::uint16_t type, std::uint32_t length) {
    b.u16(static_cast<std::uint16_t>((version & 0xF) | (instance << 4)));
    b.u16(type);
    b.u32(length);
}

}  // namespace

// MSODRAWINGGROUP without shapes, 40 bytes: an OfficeArtDggContainer holding
//   0  8  container header: ver 0xF, type 0xF000, length 32
//   8  8  OfficeArtFOPT with no properties: ver 3, instance 0, type 0xF00B, length 0
//  16  8  OfficeArtSplitMenuColorContainer: ver 0, instance 4, type 0xF11E, length 16
//  24 16  its colours 0x0800000D, 0x0800000C, 0x08000017, 0x100000F7
void addEmptyDrawingGroup(RecordList& list) {
    list.build(rt::kMsoDrawingGroup, 40, [](RecordBuffer& b) {
        officeArtHeader(b, 0xF, 0, 0xF000, 32);
        officeArtHeader(b, 0x3, 0, 0xF00B, 0);
        officeArtHeader(b, 0x0, 4, 0xF11E, 16);
        for (const std::uint32_t colour : {0x0800000Du, 0x0800000Cu, 0x08000017u, 0x100000F7u}) {
            b.u32(colour);
        }
    });
}

}  // namespace xls::records
