#pragma once

// SaveTarget, where a compound file's bytes go while it is written, and what
// became of them when handed over.

#include <cstdint>
#include <span>

namespace xls {

// What became of a finished compound file when it was handed over.
enum class CommitResult {
    Committed,      // the new bytes are in place
    WriteFailed,    // a write, flush or close failed; the old content is untouched
    ReplaceFailed,  // the complete new file could not take the old one's place
};

// Where the bytes of a compound file go while it is written: a file under a
// temporary name, or a memory block. Nothing is visible at the destination
// before commit(); a target destroyed without a successful commit() leaves
// no trace of itself.
class SaveTarget {
  public:
    virtual ~SaveTarget() = default;

    // Writes all of `bytes` at `offset`, growing the target as needed. False
    // when they could not all be written; the target is then unusable.
    virtual bool writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) = 0;

    // Makes what was written the result. Called at most once.
    virtual CommitResult commit() = 0;
};

}  // namespace xls
