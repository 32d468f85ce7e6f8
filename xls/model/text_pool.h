#pragma once

// TXLSTextPool, the chunked storage behind the string table's texts.

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace xls {

// Storage for many short texts: appended into large chunks instead of one
// heap block each. Space of removed texts is only counted; the owner copies
// the live texts into a fresh pool once that waste outgrows them.
// Stored texts never move while the pool lives.
class TXLSTextPool {
  public:
    static constexpr std::size_t kChunkUnits = 16384;

    // A stable copy of `text`. Inline: most texts fit the open chunk.
    std::u16string_view Store(std::u16string_view text) {
        if (text.empty() || text.size() > freeUnits_ || text.size() > kChunkUnits / 4) {
            return StoreInNewChunk(text);
        }
        stored_ += text.size();
        char16_t* const copy = free_;
        std::copy(text.begin(), text.end(), copy);
        free_ += text.size();
        freeUnits_ -= text.size();
        return {copy, text.size()};
    }
    void Forget(std::u16string_view text) { wasted_ += text.size(); }

    std::size_t StoredUnits() const { return stored_; }
    std::size_t WastedUnits() const { return wasted_; }

  private:
    std::u16string_view StoreInNewChunk(std::u16string_view text);

    std::vector<std::unique_ptr<char16_t[]>> chunks_;
    char16_t* free_ = nullptr;
    std::size_t freeUnits_ = 0;
    std::size_t stored_ = 0;
    std::size_t wasted_ = 0;
};

}  // namespace xls
