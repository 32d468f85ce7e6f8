#pragma once

// The structural bytes of a one-stream compound file: the header, and
// everything after the stream's bytes (the rest of the stream's last sector,
// directory, mini FAT, FAT, DIFAT). The stream's bytes themselves start at
// file offset 512, in the mini stream or not, so a writer can pass them on
// as they come and add these around them at the end.

#include <cstdint>
#include <string_view>
#include <vector>

#include "xls/cfb/compound_file_layout.h"

namespace xls::compound {

// The 512-byte header ([MS-CFB] 2.2).
std::vector<std::uint8_t> headerSector(const Layout& layout);

// The bytes from file offset 512 + layout.streamSize to the end of the
// file. An empty `streamName` gives a root storage without a stream.
std::vector<std::uint8_t> tailSectors(const Layout& layout, std::u16string_view streamName);

}  // namespace xls::compound
