#include "xls/cfb/compound_file_layout.h"

namespace xls::compound {

namespace {

std::uint32_t unitsFor(std::uint64_t amount, std::uint32_t unit) {
    return static_cast<std::uint32_t>((amount + unit - 1) / unit);
}

std::uint32_t difatSectorsFor(std::uint32_t fatSectors) {
    if (fatSectors <= kFatSectorsInHeader) {
        return 0;
    }
    return unitsFor(fatSectors - kFatSectorsInHeader, kFatSectorsPerDifatSector);
}

// Smallest FAT that maps `otherSectors` plus itself and its DIFAT sectors.
// needed() never falls as the FAT grows, so climbing from one sector stops
// at the least count that suffices.
std::uint32_t fatSectorsFor(std::uint32_t otherSectors) {
    std::uint32_t fatSectors = 1;
    for (;;) {
        const std::uint64_t mapped =
            std::uint64_t{otherSectors} + fatSectors + difatSectorsFor(fatSectors);
        const std::uint32_t needed = unitsFor(mapped, kEntriesPerSector);
        if (needed <= fatSectors) {
            return fatSectors;
        }
        fatSectors = needed;
    }
}

}  // namespace

Layout layoutFor(std::uint64_t streamSize) {
    Layout layout;
    layout.streamSize = streamSize;
    layout.inMiniStream = streamSize > 0 && streamSize < kMiniStreamCutoff;
    if (layout.inMiniStream) {
        layout.miniSectors = unitsFor(streamSize, kMiniSectorSize);
        layout.data = {0, unitsFor(layout.miniStreamSize(), kSectorSize)};
    } else {
        layout.data = {0, unitsFor(streamSize, kSectorSize)};
    }
    layout.directory = {layout.data.end(), 1};
    const std::uint32_t miniFatSectors =
        unitsFor(std::uint64_t{layout.miniSectors} * 4, kSectorSize);
    layout.miniFat = {layout.directory.end(), miniFatSectors};
    const std::uint32_t fatSectors = fatSectorsFor(layout.miniFat.end());
    layout.fat = {layout.miniFat.end(), fatSectors};
    layout.difat = {layout.fat.end(), difatSectorsFor(fatSectors)};
    return layout;
}

}  // namespace xls::compound
