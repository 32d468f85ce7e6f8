#include "xls/formats/hash_integer.h"

namespace xls {

std::size_t THashInteger::KeyHash::operator()(std::u16string_view key) const {
    std::uint32_t h = 0;
    for (char16_t unit : key) {
        h = h * 33U + unit;
    }
    return h + h / 32U;
}

void THashInteger::Register(std::u16string_view key, std::int32_t value) {
    const auto found = values_.find(key);
    if (found != values_.end()) {
        found->second = value;
    } else {
        values_.emplace(std::u16string(key), value);
    }
}

std::int32_t THashInteger::Lookup(std::u16string_view key) const {
    const auto found = values_.find(key);
    return found == values_.end() ? 0 : found->second;
}

}  // namespace xls
