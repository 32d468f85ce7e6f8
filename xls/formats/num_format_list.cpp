#include "xls/formats/num_format_list.h"

namespace xls {

TXLSNumFormatList::TXLSNumFormatList() {
    own_.emplace(5, u"(\"$\"#,##0_);(\"$\"#,##0)");
    own_.emplace(6, u"(\"$\"#,##0_);[Red](\"$\"#,##0)");
    own_.emplace(7, u"(\"$\"#,##0.00_);(\"$\"#,##0.00)");
    own_.emplace(8, u"(\"$\"#,##0.00_);[Red](\"$\"#,##0.00)");
}

std::uint16_t TXLSNumFormatList::Add(std::u16string_view text) {
    for (const auto& [index, own] : own_) {
        if (own == text) {
            return index;
        }
    }
    const std::uint16_t index = next_++;
    own_.emplace(index, std::u16string(text));
    return index;
}

std::u16string_view TXLSNumFormatList::Text(std::uint16_t index) const {
    const auto found = own_.find(index);
    return found == own_.end() ? std::u16string_view() : std::u16string_view(found->second);
}

}  // namespace xls
