#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "xls/ids.h"

namespace xls {

// What a sheet knows about one row.
struct TXLSRowInfo {
    std::uint16_t height = 255;  // twips
    bool ownHeight = false;
    XfIndex xf = kDefaultCellXf;
    bool ownFormat = false;
    bool hidden = false;
    std::uint8_t outlineLevel = 0;  // 0-based
    // First and last column holding a stored cell; -1 while none.
    std::int16_t firstColumn = -1;
    std::int16_t lastColumn = -1;
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
    const TXLSRowInfo* Find(RowIndex row) const;
    // The entry of `row`, made from the default entry when absent.
    TXLSRowInfo& GetOrCreate(RowIndex row);

    int Count() const { return count_; }
    // Lowest and highest row with an entry; empty while there is none.
    std::optional<RowIndex> LowestRow() const;
    std::optional<RowIndex> HighestRow() const;

  private:
    struct Slot {
        bool present = false;
        TXLSRowInfo info;
    };
    using Block = std::array<Slot, 256>;

    TXLSRowInfo default_{255, false, kNormalStyleXf, false, false, 0, -1, -1};
    std::array<std::unique_ptr<Block>, 256> blocks_;
    int count_ = 0;
    int lowest_ = -1;
    int highest_ = -1;
};

}  // namespace xls
