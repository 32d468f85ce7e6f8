#pragma once

// TXLSFontList, the workbook's fonts as a keyed list, and their numbers in the
// FONT records.

#include <cstdint>
#include <string_view>

#include "xls/formats/font_key.h"
#include "xls/formats/key_list.h"
#include "xls/model/ids.h"

namespace xls {

// The workbook's fonts: four built-in entries (Arial 10 pt), then derived ones.
class TXLSFontList : public TXLSKeyList {
  public:
    static constexpr int kBuiltInFonts = 4;

    TXLSFontList();

    FontIndex Derive(FontIndex from, std::u16string_view key) {
        return FontIndex{TXLSKeyList::Derive(from.value, key)};
    }
    TXLSFontFields Fields(FontIndex font) const { return ParseFontKey(Key(font.value)); }

    // BIFF font index of a written font: written number k gives k - 1 below
    // 5 and k from 5 on (BIFF has no font 4). 0 for a font not written.
    std::uint16_t BiffFontIndex(FontIndex font) const;
};

}  // namespace xls
