#pragma once

// MemorySaveTarget, the save target that collects a compound file in memory for
// SaveToMemory.

#include <cstdint>
#include <span>
#include <vector>

#include "xls/io/save_target.h"

namespace xls {

// Collects a compound file in memory and appends it, whole, to the caller's
// buffer on commit(); on any failure the caller's buffer is left as it was.
class MemorySaveTarget final : public SaveTarget {
  public:
    // `destination` must outlive the target.
    explicit MemorySaveTarget(std::vector<std::uint8_t>& destination) : destination_(destination) {}

    // Fails only when memory runs out.
    SaveResult writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override;
    SaveResult commit() override;

  private:
    std::vector<std::uint8_t>& destination_;
    std::vector<std::uint8_t> bytes_;
    SaveResult failure_ = SaveResult::Saved;
    bool committed_ = false;
};

}  // namespace xls
