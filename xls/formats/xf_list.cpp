#include "xls/formats/xf_list.h"

#include <vector>

#include "xls/formats/hex_key.h"

namespace xls {

namespace {

TXLSXFFields BuiltInXf(std::uint16_t font, std::uint16_t format, std::uint8_t type,
                       std::uint16_t parent, std::uint8_t flags) {
    TXLSXFFields fields;
    fields.fontIndex = font;
    fields.formatIndex = format;
    fields.typeProtection = type;
    fields.parent = parent;
    fields.usedFlags = flags;
    return fields;
}

// Line style and colour positions of the four edges in the two border words.
struct EdgeLayout {
    int styleShift;  // in word 1
    bool colorInWord2;
    int colorShift;
};

constexpr EdgeLayout kEdges[] = {
    {0, false, 16},  // left
    {4, false, 23},  // right
    {8, true, 0},    // top
    {12, true, 7},   // bottom
};

constexpr std::uint32_t kStyleMask = 0xF;
constexpr std::uint32_t kColorMask = 0x7F;
constexpr std::uint8_t kThinLine = 1;

void SetEdge(TXLSXFFields& fields, const EdgeLayout& edge, std::uint32_t style,
             std::uint32_t color) {
    fields.border1 =
        (fields.border1 & ~(kStyleMask << edge.styleShift)) | (style << edge.styleShift);
    std::uint32_t& colorWord = edge.colorInWord2 ? fields.border2 : fields.border1;
    colorWord =
        (colorWord & ~(kColorMask << edge.colorShift)) | ((color & kColorMask) << edge.colorShift);
}

std::uint32_t EdgeStyle(const TXLSXFFields& fields, const EdgeLayout& edge) {
    return (fields.border1 >> edge.styleShift) & kStyleMask;
}

void ApplyBorderColor(TXLSXFFields& fields, std::uint32_t color) {
    for (const EdgeLayout& edge : kEdges) {
        if (color == 0) {
            SetEdge(fields, edge, 0, 0);
        } else {
            const std::uint32_t style = EdgeStyle(fields, edge);
            SetEdge(fields, edge, style == 0 ? kThinLine : style, color);
        }
    }
}

void ApplyFillColor(TXLSXFFields& fields, std::uint32_t color) {
    const std::uint16_t kept = fields.fillColors & 0xC000;
    std::uint16_t foreground = fields.PatternColor();
    std::uint16_t background = fields.BackgroundColor();
    if (color == 0) {
        fields.fillPattern = 0;
        foreground = kAutomaticForeground.value;
        background = kAutomaticBackground.value;
    } else if (fields.fillPattern == 0) {
        fields.fillPattern = 1;
        background = foreground;
        foreground = static_cast<std::uint16_t>(color);
    } else if (fields.fillPattern == 1) {
        foreground = static_cast<std::uint16_t>(color);
    } else {
        background = static_cast<std::uint16_t>(color);
    }
    fields.fillColors = static_cast<std::uint16_t>(kept | (foreground & kColorMask) |
                                                   ((background & kColorMask) << 7));
}

XfAttribute GroupOf(TXLSXfChange::What what) {
    switch (what) {
        case TXLSXfChange::What::NumberFormat:
            return kXfNumberFormat;
        case TXLSXfChange::What::FontHeight:
        case TXLSXfChange::What::FontBold:
        case TXLSXfChange::What::FontColor:
            return kXfFont;
        case TXLSXfChange::What::HorizontalAlignment:
        case TXLSXfChange::What::WrapText:
            return kXfAlignment;
        case TXLSXfChange::What::FillColor:
            return kXfFill;
        case TXLSXfChange::What::BorderColor:
        case TXLSXfChange::What::ClearEdge:
            return kXfBorders;
    }
    return kXfFont;
}

// Copies the fields of one group from `from` into `to`.
void CopyGroup(TXLSXFFields& to, const TXLSXFFields& from, XfAttribute group) {
    switch (group) {
        case kXfNumberFormat:
            to.formatIndex = from.formatIndex;
            break;
        case kXfFont:
            to.fontIndex = from.fontIndex;
            break;
        case kXfAlignment:
            to.alignment = from.alignment;
            break;
        case kXfBorders:
            to.border1 = from.border1;
            to.border2 = from.border2;
            break;
        case kXfFill:
            to.fillPattern = from.fillPattern;
            to.fillColors = from.fillColors;
            break;
        case kXfProtection:
            to.typeProtection = from.typeProtection;
            break;
    }
}

}  // namespace

TXLSXFList::TXLSXFList() : TXLSKeyList(MakeXfKey(BuiltInXf(0, 0, 1, 0, 0)), kBuiltInXfs) {
    AddBuiltIn(MakeXfKey(BuiltInXf(0, 0, 1, kNoParentXf, 0x00)));
    for (int i = 1; i <= 14; ++i) {
        AddBuiltIn(MakeXfKey(BuiltInXf(0, 0, 1, kNoParentXf, 0x34)));
    }
    AddBuiltIn(MakeXfKey(BuiltInXf(0, 0, 1, 0, 0x00)));
    for (std::uint16_t format : {44, 42, 9, 43, 41}) {
        AddBuiltIn(MakeXfKey(BuiltInXf(1, format, 5, kNoParentXf, 0x3E)));
    }
}

std::uint8_t TXLSXFList::UsedFlags(XfIndex xf) const {
    return static_cast<std::uint8_t>(
        ReadHexField(Key(xf.value), xf_key::kFlags, xf_key::kFlagsWidth));
}

const std::u16string& TXLSXFList::GroupKey(XfIndex xf, XfAttribute group) const {
    const XfIndex cell = CellXf(xf);
    const std::u16string& own = Key(cell.value);
    const TXLSXFFields fields = ParseXfKey(own);
    if ((fields.usedFlags & group) != 0 || fields.IsStyle()) {
        return own;
    }
    const std::u16string& parent = Key(fields.parent);
    const TXLSXFFields parentFields = ParseXfKey(parent);
    return (parentFields.usedFlags & group) != 0 ? own : parent;
}

FontIndex TXLSXFList::FontOf(XfIndex xf) const {
    return FontIndex{ParseXfKey(GroupKey(xf, kXfFont)).fontIndex};
}

std::u16string TXLSXFList::FontKeyAfter(FontIndex font, const TXLSXfChange& change) const {
    std::u16string key = fonts_.Key(font.value);
    switch (change.what) {
        case TXLSXfChange::What::FontHeight:
            WriteHexField(key, font_key::kHeight, font_key::kHeightWidth, change.value);
            break;
        case TXLSXfChange::What::FontBold:
            WriteHexField(key, font_key::kBold, 1, change.value != 0 ? 1 : 0);
            break;
        case TXLSXfChange::What::FontColor:
            WriteHexField(key, font_key::kColor, font_key::kColorWidth, change.value);
            break;
        default:
            break;
    }
    return key;
}

XfIndex TXLSXFList::DeriveGroup(XfIndex xf, bool owned, const TXLSXfChange& change) {
    const XfIndex cell = CellXf(xf);
    const XfAttribute group = GroupOf(change.what);
    TXLSXFFields fields = ParseXfKey(Key(cell.value));
    CopyGroup(fields, ParseXfKey(GroupKey(cell, group)), group);
    switch (change.what) {
        case TXLSXfChange::What::NumberFormat:
            fields.formatIndex = static_cast<std::uint16_t>(change.value);
            break;
        case TXLSXfChange::What::FontHeight:
        case TXLSXfChange::What::FontBold:
        case TXLSXfChange::What::FontColor: {
            const FontIndex font{fields.fontIndex};
            fields.fontIndex =
                static_cast<std::uint16_t>(fonts_.Derive(font, FontKeyAfter(font, change)).value);
            break;
        }
        case TXLSXfChange::What::HorizontalAlignment:
            fields.alignment[0] =
                static_cast<std::uint8_t>((fields.alignment[0] & ~0x07) | (change.value & 0x07));
            break;
        case TXLSXfChange::What::WrapText:
            fields.alignment[0] = static_cast<std::uint8_t>((fields.alignment[0] & ~0x08) |
                                                            (change.value != 0 ? 0x08 : 0));
            break;
        case TXLSXfChange::What::FillColor:
            ApplyFillColor(fields, change.value);
            break;
        case TXLSXfChange::What::BorderColor:
            ApplyBorderColor(fields, change.value);
            break;
        case TXLSXfChange::What::ClearEdge:
            SetEdge(fields, kEdges[change.value & 3], 0, 0);
            break;
    }
    fields.usedFlags = static_cast<std::uint8_t>(fields.usedFlags | group);
    return XfIndex{Derive(owned ? xf.value : 0, MakeXfKey(fields))};
}

XfIndex TXLSXFList::Apply(XfIndex xf, bool owned, const TXLSXfChange& change) {
    return DeriveGroup(xf, owned && xf.value > 0, change);
}

void TXLSXFList::CompactForWriting() {
    Compact();
    std::vector<std::int32_t> fontReferences(static_cast<std::size_t>(fonts_.Count()), 0);
    for (std::int32_t xf = 0; xf < Count(); ++xf) {
        if (Entry(xf).writtenNumber > 0) {
            const std::uint16_t font = Fields(XfIndex{xf}).fontIndex;
            if (font < fontReferences.size()) {
                ++fontReferences[font];
            }
        }
    }
    fonts_.SetReferenceCounts(fontReferences);
    fonts_.Compact();
}

std::uint16_t TXLSXFList::WrittenIxfe(XfIndex xf) const {
    if (xf.value <= 0 || !Contains(xf.value)) {
        return 0;
    }
    const std::int32_t number = Entry(xf.value).writtenNumber;
    return number > 0 ? static_cast<std::uint16_t>(number - 1) : 0;
}

}  // namespace xls
