#include "xls/model/cell_text.h"

namespace xls {

namespace {
bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}
}  // namespace

std::u16string_view CutLongText(std::u16string_view text) {
    std::size_t length = kMaxCellTextLength;
    if (IsHighSurrogate(text[length - 1]) && IsLowSurrogate(text[length])) {
        --length;
    }
    return text.substr(0, length);
}

}  // namespace xls
