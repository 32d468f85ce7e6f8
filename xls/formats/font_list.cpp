#include "xls/formats/font_list.h"

namespace xls {

TXLSFontList::TXLSFontList() : TXLSKeyList(std::u16string(kDefaultFontKey), kBuiltInFonts) {
    for (int i = 0; i < kBuiltInFonts; ++i) {
        AddBuiltIn(std::u16string(kDefaultFontKey));
    }
}

std::uint16_t TXLSFontList::BiffFontIndex(FontIndex font) const {
    if (!Contains(font.value)) {
        return 0;
    }
    const std::int32_t number = Entry(font.value).writtenNumber;
    if (number <= 0) {
        return 0;
    }
    return static_cast<std::uint16_t>(number < 5 ? number - 1 : number);
}

}  // namespace xls
