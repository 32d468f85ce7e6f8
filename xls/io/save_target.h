#pragma once

// SaveTarget, where a compound file's bytes go while it is written and how
// they are handed over.

#include <cstdint>
#include <span>

#include "xls/io/save_result.h"

namespace xls {

// Where the bytes of a compound file go while it is written: a new file
// beside the destination, or a memory block. Nothing is visible at the
// destination before commit(); a target destroyed without a successful
// commit() leaves no trace of itself.
class SaveTarget {
  public:
    virtual ~SaveTarget() = default;

    // Writes all of `bytes` at `offset`, growing the target as needed:
    // Saved, or why they could not all be written (the target is then
    // unusable).
    virtual SaveResult writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) = 0;

    // Makes what was written the result: Saved, or why not (a failed write
    // before it, or the hand-over itself). Called at most once.
    virtual SaveResult commit() = 0;
};

}  // namespace xls
