#pragma once

// A strict reader of compound files ([MS-CFB]) for tests. It follows the
// format document on its own (it shares no code or constants with the
// writer) and throws std::runtime_error naming the first rule a file breaks:
// header values, the DIFAT chain, FATSECT and DIFSECT marks, FREESECT for
// every entry past the end of the file, chains that end in ENDOFCHAIN with
// exactly the sectors their size needs, no sector used twice, the size
// cutoff between mini stream and regular sectors, the directory tree.

#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace cfb {

inline constexpr std::uint32_t DIFSECT = 0xFFFFFFFC;
inline constexpr std::uint32_t FATSECT = 0xFFFFFFFD;
inline constexpr std::uint32_t ENDOFCHAIN = 0xFFFFFFFE;
inline constexpr std::uint32_t FREESECT = 0xFFFFFFFF;
inline constexpr std::uint32_t NOSTREAM = 0xFFFFFFFF;

struct Header {
    std::uint16_t minorVersion = 0;
    std::uint16_t majorVersion = 0;
    std::uint32_t directorySectorCount = 0;
    std::uint32_t fatSectorCount = 0;
    std::uint32_t firstDirectorySector = 0;
    std::uint32_t transactionSignature = 0;
    std::uint32_t miniStreamCutoff = 0;
    std::uint32_t firstMiniFatSector = 0;
    std::uint32_t miniFatSectorCount = 0;
    std::uint32_t firstDifatSector = 0;
    std::uint32_t difatSectorCount = 0;
    std::array<std::uint32_t, 109> difat{};
};

struct DirectoryEntry {
    std::u16string name;
    std::uint16_t nameLength = 0;  // bytes, terminator included
    std::uint8_t type = 0;         // 0 unused, 1 storage, 2 stream, 5 root
    std::uint8_t colour = 0;       // 0 red, 1 black
    std::uint32_t left = NOSTREAM;
    std::uint32_t right = NOSTREAM;
    std::uint32_t child = NOSTREAM;
    std::array<std::uint8_t, 16> classId{};
    std::uint32_t stateBits = 0;
    std::uint64_t creationTime = 0;
    std::uint64_t modifiedTime = 0;
    std::uint32_t startSector = 0;
    std::uint64_t size = 0;
    bool inMiniStream = false;  // streams only
};

struct File {
    Header header;
    std::size_t sectorCount = 0;              // sectors after the header
    std::vector<std::uint32_t> fatSectors;    // in DIFAT order
    std::vector<std::uint32_t> difatSectors;  // in chain order
    std::vector<std::uint32_t> fat;           // every entry of every FAT sector
    std::vector<std::uint32_t> miniFat;       // every entry of every mini FAT sector
    std::size_t freeSectorsInFile = 0;        // FREESECT entries below sectorCount
    std::vector<DirectoryEntry> directory;
    // Streams by path from the root ("Workbook", "Storage/Stream").
    std::map<std::u16string, std::vector<std::uint8_t>> streams;
};

// Parses and checks a whole compound file; throws std::runtime_error.
File read(std::span<const std::uint8_t> bytes);
File readFile(const std::string& path);

}  // namespace cfb
