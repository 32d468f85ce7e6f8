#pragma once

// Where each part of a one-stream compound file ([MS-CFB] version 3) goes.
// Sector n starts at file offset (n + 1) x 512; the sectors are, in order:
// the stream (or the mini stream holding it), the directory, the mini FAT,
// the FAT and the DIFAT.

#include <cstdint>

namespace xls::compound {

inline constexpr std::uint32_t kSectorSize = 512;
inline constexpr std::uint32_t kMiniSectorSize = 64;
inline constexpr std::uint32_t kMiniStreamCutoff = 4096;
inline constexpr std::uint32_t kEntriesPerSector = kSectorSize / 4;  // FAT, mini FAT, DIFAT
inline constexpr std::uint32_t kDirectoryEntrySize = 128;
inline constexpr std::uint32_t kFatSectorsInHeader = 109;
// The last slot of a DIFAT sector points to the next DIFAT sector.
inline constexpr std::uint32_t kFatSectorsPerDifatSector = kEntriesPerSector - 1;

// Special sector numbers ([MS-CFB] 2.1).
inline constexpr std::uint32_t kDifSect = 0xFFFFFFFC;
inline constexpr std::uint32_t kFatSect = 0xFFFFFFFD;
inline constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
inline constexpr std::uint32_t kFreeSect = 0xFFFFFFFF;
// "No entry" in a directory entry's sibling and child links.
inline constexpr std::uint32_t kNoStream = 0xFFFFFFFF;

// Consecutive sectors; an empty run has no start.
struct SectorRun {
    std::uint32_t first = 0;
    std::uint32_t count = 0;

    std::uint32_t start() const { return count == 0 ? kEndOfChain : first; }
    std::uint32_t end() const { return first + count; }
};

struct Layout {
    std::uint64_t streamSize = 0;
    bool inMiniStream = false;      // 1 to 4095 bytes
    std::uint32_t miniSectors = 0;  // the stream's mini sectors
    SectorRun data;                 // the stream itself, or the mini stream that holds it
    SectorRun directory;
    SectorRun miniFat;
    SectorRun fat;
    SectorRun difat;

    std::uint32_t totalSectors() const { return difat.end(); }
    std::uint64_t miniStreamSize() const { return std::uint64_t{miniSectors} * kMiniSectorSize; }
    std::uint64_t fileSize() const { return (std::uint64_t{totalSectors()} + 1) * kSectorSize; }
};

// The layout for a stream of `streamSize` bytes (also the one for a root
// storage without a stream, which is laid out as for 0 bytes). The FAT is as
// small as it can be: its sector count depends on itself and on the DIFAT,
// so both grow together until they map every sector.
Layout layoutFor(std::uint64_t streamSize);

}  // namespace xls::compound
