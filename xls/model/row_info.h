#pragma once

// A worksheet's row entries (height, XF, outline level, hidden, the span of
// stored cells), made for a row only when it is used.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

#include "xls/model/ids.h"

namespace xls {

// What a sheet knows about one row (16 bytes: a sheet may have 65 536).
struct TXLSRowInfo {
    XfIndex xf = kDefaultCellXf;
    std::uint16_t height = 255;  // twips
    // First and last column holding a stored cell; -1 while none.
    std::int16_t firstColumn = -1;
    std::int16_t lastColumn = -1;
    std::uint8_t outlineLevel = 0;  // 0-based
    bool ownHeight = false;
    bool ownFormat = false;
    bool hidden = false;
};

// Row entries made on demand (row / 256, row mod 256) plus the default entry
// (255 twips, XF 0) whose height new entries copy.
class TXLSRowInfoList {
  public:
    TXLSRowInfoList();
    ~TXLSRowInfoList();
    TXLSRowInfoList(TXLSRowInfoList&&) noexcept;
    TXLSRowInfoList& operator=(TXLSRowInfoList&&) noexcept;

    const TXLSRowInfo& Default() const { return default_; }
    // Inline: every new cell looks its row up.
    const TXLSRowInfo* Find(RowIndex row) const {
        const auto& block = blocks_[row.value >> 8];
        if (!block) {
            return nullptr;
        }
        const unsigned place = row.value & 0xFF;
        const bool present = (block->present[place >> 6] >> (place & 63)) & 1U;
        return present ? &block->rows[place] : nullptr;
    }
    TXLSRowInfo* Find(RowIndex row) {
        return const_cast<TXLSRowInfo*>(std::as_const(*this).Find(row));
    }
    // The entry of `row`, made from the default entry when absent.
    TXLSRowInfo& GetOrCreate(RowIndex row);

    int Count() const { return count_; }
    // Lowest and highest row with an entry; empty while there is none.
    std::optional<RowIndex> LowestRow() const;
    std::optional<RowIndex> HighestRow() const;

  private:
    struct Block {
        std::array<std::uint64_t, 4> present{};
        std::array<TXLSRowInfo, 256> rows;
    };

    TXLSRowInfo default_{kNormalStyleXf, 255, -1, -1, 0, false, false, false};
    std::array<std::unique_ptr<Block>, 256> blocks_;
    int count_ = 0;
    int lowest_ = -1;
    int highest_ = -1;
};

}  // namespace xls
