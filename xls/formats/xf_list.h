#pragma once

// TXLSXFList, the workbook's cell formats (XFs) as a keyed list, owning the
// fonts, number formats and styles they refer to: applies range setters'
// changes and compacts the list for writing.

#include <cstdint>
#include <string>

#include "xls/formats/font_list.h"
#include "xls/formats/key_list.h"
#include "xls/formats/num_format_list.h"
#include "xls/formats/styles.h"
#include "xls/formats/xf_change.h"
#include "xls/formats/xf_key.h"
#include "xls/model/ids.h"

namespace xls {

// The workbook's cell formats: 21 built-in XFs (0 Normal, 1..14 and 16..20
// styles, 15 the default cell format), then derived ones from 21. Owns the
// fonts, number formats and styles the XFs refer to.
class TXLSXFList : public TXLSKeyList {
  public:
    static constexpr int kBuiltInXfs = 21;

    TXLSXFList();

    const TXLSFontList& Fonts() const { return fonts_; }
    const TXLSNumFormatList& NumFormats() const { return numFormats_; }
    const TXLSStyles& Styles() const { return styles_; }
    TXLSNumFormatList& NumFormats() { return numFormats_; }

    // The fields of entry `xf` exactly as keyed (no 0 -> 15 mapping).
    TXLSXFFields Fields(XfIndex xf) const { return ParseXfKey(Key(xf.value)); }
    // The used-attribute flags of entry `xf`, read without parsing the key.
    std::uint8_t UsedFlags(XfIndex xf) const;
    // A cell's XF as the format operations read it: 0 or less means XF 15.
    static XfIndex CellXf(XfIndex xf) { return xf.value <= 0 ? kDefaultCellXf : xf; }
    // The key whose fields of one attribute group apply to cell XF `xf`:
    // its own when it sets the group, else its parent's when the parent does
    // not set it either, else its own.
    const std::u16string& GroupKey(XfIndex xf, XfAttribute group) const;
    FontIndex FontOf(XfIndex xf) const;

    // The XF a cell with format `xf` (owned or inherited) gets for `change`.
    // Reference counts follow: one moves from `xf` when `owned`.
    XfIndex Apply(XfIndex xf, bool owned, const TXLSXfChange& change);

    // Reference moves the cell store makes (built-ins are not counted).
    // Inline: most new cells take a built-in format, which is not counted.
    void AddCellReference(XfIndex xf) {
        if (xf.value >= kBuiltInXfs) {
            AddReference(xf.value);
        }
    }
    void MoveCellReference(XfIndex from, XfIndex to) { MoveReference(from.value, to.value); }
    void AddCellReferences(XfIndex xf, std::int32_t count) { AddReferences(xf.value, count); }
    void MoveCellReferences(XfIndex from, XfIndex to, std::int32_t count) {
        MoveReferences(from.value, to.value, count);
    }

    // The compaction before writing: written numbers for the XFs (built-ins
    // and referenced ones), then for the fonts, after recounting each font's
    // references from the written XFs (built-in fonts are always written).
    void CompactForWriting();
    // The ixfe a record carries for a cell XF: its written number - 1; 0 for
    // an XF of 0 or less or one not written.
    std::uint16_t WrittenIxfe(XfIndex xf) const;

  private:
    XfIndex DeriveGroup(XfIndex xf, bool owned, const TXLSXfChange& change);
    std::u16string FontKeyAfter(FontIndex font, const TXLSXfChange& change) const;

    TXLSFontList fonts_;
    TXLSNumFormatList numFormats_;
    TXLSStyles styles_;
};

}  // namespace xls
