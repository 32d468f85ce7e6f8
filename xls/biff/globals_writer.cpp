#include "xls/biff/globals_writer.h"

#include <array>
#include <string_view>
#include <vector>

#include "xls/biff/biff_records_globals.h"
#include "xls/biff/sst_writer.h"
#include "xls/model/workbook.h"

namespace xls {
namespace {

constexpr std::uint16_t kUtf16CodePage = 1200;

records::Window1Fields window1Fields(const IXLSWorkSheets& sheets) {
    const int active = sheets.ActivePosition();
    return {static_cast<std::uint16_t>(active > 0 ? active - 1 : 0),
            static_cast<std::uint16_t>(sheets.FirstVisibleTab()),
            static_cast<std::uint16_t>(sheets.SelectedCount())};
}

void addFonts(RecordList& list, const TXLSFontList& fonts) {
    for (std::int32_t index = 0; index < fonts.Count(); ++index) {
        if (fonts.Entry(index).writtenNumber <= 0) {
            continue;
        }
        const TXLSFontFields font = fonts.Fields(FontIndex{index});
        records::addFont(list, {.heightTwips = font.height,
                                .italic = font.italic,
                                .strikeout = font.strikeout,
                                .outline = font.outline,
                                .shadow = font.shadow,
                                .colour = font.colorIndex,
                                .bold = font.bold,
                                .superscript = font.superscript,
                                .subscript = font.subscript,
                                .underline = font.underline,
                                .family = font.family,
                                .charSet = font.characterSet,
                                .name = font.name});
    }
}

void addFormats(RecordList& list, const TXLSNumFormatList& formats) {
    for (const auto& [index, text] : formats.OwnEntries()) {
        records::addFormat(list, index, text);
    }
}

void addXfs(RecordList& list, const TXLSXFList& xfs) {
    for (std::int32_t index = 0; index < xfs.Count(); ++index) {
        if (xfs.Entry(index).writtenNumber <= 0) {
            continue;
        }
        const TXLSXFFields xf = xfs.Fields(XfIndex{index});
        records::addXf(list, {
                                 .ifnt = xfs.Fonts().BiffFontIndex(FontIndex{xf.fontIndex}),
                                 .ifmt = xf.formatIndex,
                                 .locked = (xf.typeProtection & 0x1) != 0,
                                 .hidden = (xf.typeProtection & 0x2) != 0,
                                 .isStyle = xf.IsStyle(),
                                 .parentIxfe = xf.IsStyle() ? std::uint16_t{0}
                                                            : xfs.WrittenIxfe(XfIndex{xf.parent}),
                                 .alignment = xf.alignment[0],
                                 .rotation = xf.alignment[1],
                                 .indentByte = xf.alignment[2],
                                 .usedAttributes = xf.usedFlags,
                                 .borderWord1 = xf.border1,
                                 .borderWord2 = xf.border2,
                                 .fillPattern = xf.fillPattern,
                                 .patternColour = xf.PatternColor(),
                                 .backgroundColour = xf.BackgroundColor(),
                             });
    }
}

// The style's XF as a record refers to it: its written number - 1.
std::uint16_t styleIxfe(const TXLSXFList& xfs, XfIndex xf) {
    if (!xfs.Contains(xf.value) || xfs.Entry(xf.value).writtenNumber <= 0) {
        return 0;
    }
    return static_cast<std::uint16_t>(xfs.Entry(xf.value).writtenNumber - 1);
}

void addStyles(RecordList& list, const TXLSXFList& xfs) {
    for (const TXLSStyle& style : xfs.Styles().Entries()) {
        if (style.builtIn) {
            records::addBuiltInStyle(list, styleIxfe(xfs, style.xf), style.builtInId);
        } else {
            records::addUserStyle(list, styleIxfe(xfs, style.xf), style.name);
        }
    }
}

void addPalette(RecordList& list, const TXLSPalette& palette) {
    std::array<records::Rgb, 56> colours{};
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const Rgb colour = palette.Entries()[i];
        colours[i] = {colour.red, colour.green, colour.blue};
    }
    records::addPalette(list, colours);
}

void addStrings(RecordList& list, const TXLSStringTable& strings) {
    std::vector<std::u16string_view> live;
    live.reserve(strings.DistinctCount());
    strings.ForEachLive(
        [&](std::int32_t, std::u16string_view text, std::uint32_t) { live.push_back(text); });
    addSharedStringTable(list, static_cast<std::uint32_t>(list.length()),
                         {strings.TotalReferences(), live});
}

records::SheetVisibility visibilityOf(const IXLSWorksheet& sheet) {
    switch (sheet.Visibility()) {
        case SheetVisibility::Hidden:
            return records::SheetVisibility::kHidden;
        case SheetVisibility::VeryHidden:
            return records::SheetVisibility::kVeryHidden;
        case SheetVisibility::Visible:
            break;
    }
    return records::SheetVisibility::kVisible;
}

}  // namespace

void buildGlobalsHead(RecordList& partA, const TXLSWorkbook& workbook) {
    records::addBof(partA, records::SubstreamKind::kWorkbookGlobals);
    records::addCodePage(partA, kUtf16CodePage);
    records::addDsf(partA);
    records::addWindow1(partA, window1Fields(workbook.Worksheets()));
    records::addBackup(partA);
    records::addDateMode(partA, workbook.Uses1904DateSystem());
    records::addPrecision(partA);
    records::addRefMode(partA, workbook.UsesA1ReferenceStyle());
    records::addFnGroupCount(partA);
    records::addBookBool(partA);
    addFonts(partA, workbook.Fonts());
    addFormats(partA, workbook.NumFormats());
    addXfs(partA, workbook.XFList());
    addStyles(partA, workbook.XFList());
    addPalette(partA, workbook.Palette());
    records::addCountry(partA);
    records::addRecalcId(partA);
    addStrings(partA, workbook.StringTable());
}

void buildGlobalsTail(RecordList& partB, const TXLSWorkbook& workbook) {
    records::addSupBookSelf(partB, static_cast<std::uint16_t>(workbook.Worksheets().Count()));
    // The library keeps no references to other sheets (no names, no
    // autofilters), so the table is empty.
    records::addExternSheet(partB, {});
    records::addEmptyDrawingGroup(partB);
    records::addEof(partB);
}

std::size_t boundSheetsLength(const TXLSWorkbook& workbook) {
    std::size_t length = 0;
    workbook.Worksheets().ForEach(
        [&](const IXLSWorksheet& sheet) { length += records::boundSheetLength(sheet.Name()); });
    return length;
}

void appendBoundSheets(RecordList& partA, const TXLSWorkbook& workbook) {
    workbook.Worksheets().ForEach([&](const IXLSWorksheet& sheet) {
        records::addBoundSheet(partA, sheet.StreamPosition(), visibilityOf(sheet), sheet.Name());
    });
}

}  // namespace xls
