#pragma once

// TXLSKeyEntry, one entry of the keyed font and XF lists: its key, reference
// count and written number.

#include <cstdint>
#include <string>

namespace xls {

// One entry of a keyed list (fonts, XFs).
struct TXLSKeyEntry {
    std::u16string key;
    std::int32_t references = 0;
    // Set by the compaction for writing: 1, 2, 3, ... for written entries, 0
    // for the others; the position is the 0-based place among those written.
    std::int32_t writtenNumber = 0;
    std::int32_t writtenPosition = -1;
};

}  // namespace xls
