#include "xls/model/text_pool.h"

#include <algorithm>

namespace xls {

std::u16string_view TXLSTextPool::StoreInNewChunk(std::u16string_view text) {
    if (text.empty()) {
        return {};
    }
    stored_ += text.size();
    if (text.size() > kChunkUnits / 4) {
        // A long text gets a block of its own; the current chunk stays open.
        chunks_.push_back(std::make_unique_for_overwrite<char16_t[]>(text.size()));
        char16_t* const copy = chunks_.back().get();
        std::copy(text.begin(), text.end(), copy);
        return {copy, text.size()};
    }
    if (text.size() > freeUnits_) {
        chunks_.push_back(std::make_unique_for_overwrite<char16_t[]>(kChunkUnits));
        free_ = chunks_.back().get();
        freeUnits_ = kChunkUnits;
    }
    char16_t* const copy = free_;
    std::copy(text.begin(), text.end(), copy);
    free_ += text.size();
    freeUnits_ -= text.size();
    return {copy, text.size()};
}

}  // namespace xls
