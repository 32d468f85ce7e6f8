#pragma once
// The plain write the save is held against: the same bytes put into a new
// file with one fwrite, optionally made durable as the save makes its file.

#include <cstdint>
#include <span>
#include <string>

namespace ek::bench {

enum class Durability { Buffered, Synced };

// False when the file cannot be made or written.
bool writeWithFwrite(const std::string& path, std::span<const std::uint8_t> bytes,
                     Durability durability);

}  // namespace ek::bench
