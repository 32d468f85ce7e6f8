#include "xls/cfb/compound_file_sectors.h"

#include <array>

#include "xls/biff/record_buffer.h"

namespace xls::compound {

namespace {

constexpr std::array<std::uint8_t, 8> kSignature{0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr std::uint16_t kMinorVersion = 0x003E;
constexpr std::uint16_t kMajorVersion = 0x0003;
constexpr std::uint16_t kByteOrder = 0xFFFE;
constexpr std::uint16_t kSectorShift = 9;
constexpr std::uint16_t kMiniSectorShift = 6;
constexpr std::uint32_t kEntriesPerDirectorySector = kSectorSize / kDirectoryEntrySize;
constexpr std::size_t kEntryNameBytes = 64;

enum class ObjectType : std::uint8_t { Unused = 0, Stream = 2, RootStorage = 5 };
enum class Colour : std::uint8_t { Red = 0, Black = 1 };

// The fields of one directory entry ([MS-CFB] 2.6.1) that this writer sets;
// class id, state bits and both timestamps are always zero, so the same
// stream gives the same file.
struct DirectoryEntry {
    std::u16string_view name;
    ObjectType type = ObjectType::Unused;
    Colour colour = Colour::Red;
    std::uint32_t leftSibling = kNoStream;
    std::uint32_t rightSibling = kNoStream;
    std::uint32_t child = kNoStream;
    std::uint32_t startSector = 0;
    std::uint64_t size = 0;
};

void appendEntry(RecordBuffer& out, const DirectoryEntry& entry) {
    out.utf16(entry.name);
    out.zeros(kEntryNameBytes - 2 * entry.name.size());  // terminator and the unused rest
    const auto nameLength =
        static_cast<std::uint16_t>(entry.name.empty() ? 0 : 2 * entry.name.size() + 2);
    out.u16(nameLength);
    out.u8(static_cast<std::uint8_t>(entry.type));
    out.u8(static_cast<std::uint8_t>(entry.colour));
    out.u32(entry.leftSibling);
    out.u32(entry.rightSibling);
    out.u32(entry.child);
    out.zeros(16);  // class id
    out.u32(0);     // state bits
    out.zeros(8);   // creation time
    out.zeros(8);   // modification time
    out.u32(entry.startSector);
    out.u32(static_cast<std::uint32_t>(entry.size));
    out.u32(static_cast<std::uint32_t>(entry.size >> 32));
}

void appendDirectory(RecordBuffer& out, const Layout& layout, std::u16string_view streamName) {
    const bool hasStream = !streamName.empty();
    DirectoryEntry root{.name = u"Root Entry",
                        .type = ObjectType::RootStorage,
                        .colour = Colour::Black,
                        .child = hasStream ? 1u : kNoStream,
                        .startSector = layout.inMiniStream ? layout.data.start() : kEndOfChain,
                        .size = layout.miniStreamSize()};
    appendEntry(out, root);
    std::uint32_t written = 1;
    if (hasStream) {
        std::uint32_t start = layout.data.start();
        if (layout.inMiniStream) {
            start = 0;  // first mini sector
        }
        appendEntry(out, DirectoryEntry{.name = streamName,
                                        .type = ObjectType::Stream,
                                        .colour = Colour::Black,
                                        .startSector = start,
                                        .size = layout.streamSize});
        ++written;
    }
    for (; written < kEntriesPerDirectorySector * layout.directory.count; ++written) {
        appendEntry(out, DirectoryEntry{});
    }
}

// Entries `run` as one chain, each pointing to the next sector.
void chain(std::vector<std::uint32_t>& table, SectorRun run) {
    for (std::uint32_t i = 0; i < run.count; ++i) {
        table[run.first + i] = (i + 1 < run.count) ? run.first + i + 1 : kEndOfChain;
    }
}

void mark(std::vector<std::uint32_t>& table, SectorRun run, std::uint32_t value) {
    for (std::uint32_t i = 0; i < run.count; ++i) {
        table[run.first + i] = value;
    }
}

void appendTable(RecordBuffer& out, const std::vector<std::uint32_t>& table) {
    for (const std::uint32_t entry : table) {
        out.u32(entry);
    }
}

// Every entry not in a chain is FREESECT, also those past the end of the file.
std::vector<std::uint32_t> fatEntries(const Layout& layout) {
    std::vector<std::uint32_t> fat(std::size_t{layout.fat.count} * kEntriesPerSector, kFreeSect);
    chain(fat, layout.data);
    chain(fat, layout.directory);
    chain(fat, layout.miniFat);
    mark(fat, layout.fat, kFatSect);
    mark(fat, layout.difat, kDifSect);
    return fat;
}

std::vector<std::uint32_t> miniFatEntries(const Layout& layout) {
    std::vector<std::uint32_t> miniFat(std::size_t{layout.miniFat.count} * kEntriesPerSector,
                                       kFreeSect);
    chain(miniFat, SectorRun{0, layout.miniSectors});
    return miniFat;
}

// FAT sectors past the header's 109, 127 to a DIFAT sector, each DIFAT sector
// ending with the next one's number (ENDOFCHAIN in the last, [MS-CFB] 2.5).
std::vector<std::uint32_t> difatEntries(const Layout& layout) {
    std::vector<std::uint32_t> difat(std::size_t{layout.difat.count} * kEntriesPerSector,
                                     kFreeSect);
    for (std::uint32_t d = 0; d < layout.difat.count; ++d) {
        const std::size_t sectorBase = std::size_t{d} * kEntriesPerSector;
        for (std::uint32_t slot = 0; slot < kFatSectorsPerDifatSector; ++slot) {
            const std::uint64_t fatIndex =
                kFatSectorsInHeader + std::uint64_t{d} * kFatSectorsPerDifatSector + slot;
            if (fatIndex < layout.fat.count) {
                difat[sectorBase + slot] = layout.fat.first + static_cast<std::uint32_t>(fatIndex);
            }
        }
        const bool last = d + 1 == layout.difat.count;
        difat[sectorBase + kFatSectorsPerDifatSector] =
            last ? kEndOfChain : layout.difat.first + d + 1;
    }
    return difat;
}

}  // namespace

std::vector<std::uint8_t> headerSector(const Layout& layout) {
    RecordBuffer out(kSectorSize);
    out.raw(kSignature);
    out.zeros(16);  // header class id
    out.u16(kMinorVersion);
    out.u16(kMajorVersion);
    out.u16(kByteOrder);
    out.u16(kSectorShift);
    out.u16(kMiniSectorShift);
    out.zeros(6);  // reserved
    out.u32(0);    // directory sectors: always 0 in version 3
    out.u32(layout.fat.count);
    out.u32(layout.directory.first);
    out.u32(0);  // transaction signature
    out.u32(kMiniStreamCutoff);
    out.u32(layout.miniFat.start());
    out.u32(layout.miniFat.count);
    out.u32(layout.difat.start());
    out.u32(layout.difat.count);
    for (std::uint32_t i = 0; i < kFatSectorsInHeader; ++i) {
        out.u32(i < layout.fat.count ? layout.fat.first + i : kFreeSect);
    }
    const auto bytes = out.bytes();
    return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> tailSectors(const Layout& layout, std::u16string_view streamName) {
    const std::uint64_t dataEnd = std::uint64_t{layout.data.end()} * kSectorSize;
    const std::uint64_t tailSize = layout.fileSize() - kSectorSize - layout.streamSize;
    RecordBuffer out(static_cast<std::size_t>(tailSize));
    out.zeros(static_cast<std::size_t>(dataEnd - layout.streamSize));
    appendDirectory(out, layout, streamName);
    appendTable(out, miniFatEntries(layout));
    appendTable(out, fatEntries(layout));
    appendTable(out, difatEntries(layout));
    const auto bytes = out.bytes();
    return {bytes.begin(), bytes.end()};
}

}  // namespace xls::compound
