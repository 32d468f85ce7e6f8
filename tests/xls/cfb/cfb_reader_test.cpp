// The compound-file reader of the tests must refuse files that break the
// rules it promises to check; otherwise the container tests prove nothing.

#include "support/cfb_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "xls/cfb/compound_file.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes saved(std::size_t streamSize) {
    Bytes stream(streamSize);
    for (std::size_t i = 0; i < streamSize; ++i) {
        stream[i] = static_cast<std::uint8_t>(i * 7 + i / 300);
    }
    Bytes file;
    auto compound = xls::CompoundFile::createInMemory(file);
    compound->createStream(u"Workbook")->write(stream);
    EXPECT_EQ(compound->release(), xls::SaveResult::Saved);
    return file;
}

void put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::size_t sectorOffset(std::uint32_t sector) {
    return (std::size_t{sector} + 1) * 512;
}

std::size_t fatEntryOffset(const cfb::File& file, std::size_t entry) {
    return sectorOffset(file.fatSectors[entry / 128]) + 4 * (entry % 128);
}

std::size_t entryOffset(const cfb::File& file, std::size_t id) {
    return sectorOffset(file.header.firstDirectorySector) + 128 * id;
}

struct Breakage {
    const char* what;
    std::size_t streamSize;
    std::function<void(Bytes&, const cfb::File&)> apply;
};

TEST(CfbReader, RefusesFilesThatBreakARule) {
    const std::vector<Breakage> breakages{
        {"FAT entry past the end of the file not FREESECT", 5000,
         [](Bytes& b, const cfb::File& f) { put32(b, fatEntryOffset(f, f.sectorCount), 0); }},
        {"FAT sector not marked FATSECT", 5000,
         [](Bytes& b, const cfb::File& f) {
             put32(b, fatEntryOffset(f, f.fatSectors[0]), cfb::FREESECT);
         }},
        {"stream chain without ENDOFCHAIN", 5000,
         [](Bytes& b, const cfb::File& f) { put32(b, fatEntryOffset(f, 9), cfb::FREESECT); }},
        {"sector used by two chains", 5000,
         [](Bytes& b, const cfb::File& f) { put32(b, fatEntryOffset(f, 9), 3); }},
        {"used sector in no chain", 5000,
         [](Bytes& b, const cfb::File& f) {
             put32(b, entryOffset(f, 1) + 116, 1);  // stream starts one sector late
             put32(b, entryOffset(f, 1) + 120, 4096);
         }},
        {"mini stream cutoff 0", 1000, [](Bytes& b, const cfb::File&) { put32(b, 0x38, 0); }},
        {"directory sector count in version 3", 1000,
         [](Bytes& b, const cfb::File&) { put32(b, 0x28, 1); }},
        {"size says regular sectors, the stream is in the mini stream", 1000,
         [](Bytes& b, const cfb::File& f) { put32(b, entryOffset(f, 1) + 120, 4096); }},
        {"size longer than the chain", 5000,
         [](Bytes& b, const cfb::File& f) { put32(b, entryOffset(f, 1) + 120, 5200); }},
        {"mini FAT entry in no chain not FREESECT", 1000,
         [](Bytes& b, const cfb::File& f) {
             put32(b, sectorOffset(f.header.firstMiniFatSector) + 4 * 100, 0);
         }},
        {"unused directory entry with zero links", 1000,
         [](Bytes& b, const cfb::File& f) { put32(b, entryOffset(f, 3) + 68, 0); }},
        {"root creation time set", 1000,
         [](Bytes& b, const cfb::File& f) { put32(b, entryOffset(f, 0) + 100, 1); }},
        {"stream with a class id", 1000,
         [](Bytes& b, const cfb::File& f) { b[entryOffset(f, 1) + 80] = 1; }},
        {"link to an unused entry", 1000,
         [](Bytes& b, const cfb::File& f) { put32(b, entryOffset(f, 1) + 72, 2); }},
        {"header DIFAT slot past the FAT not FREESECT", 1000,
         [](Bytes& b, const cfb::File&) { put32(b, 0x4C + 4 * 5, 0); }},
        {"file cut inside a sector", 1000, [](Bytes& b, const cfb::File&) { b.pop_back(); }},
        {"last DIFAT sector not ending in ENDOFCHAIN", 13843 * 512,
         [](Bytes& b, const cfb::File& f) {
             put32(b, sectorOffset(f.difatSectors[0]) + 4 * 127, cfb::FREESECT);
         }},
        {"DIFAT sector not marked DIFSECT", 13843 * 512,
         [](Bytes& b, const cfb::File& f) {
             put32(b, fatEntryOffset(f, f.difatSectors[0]), cfb::FATSECT);
         }},
    };
    for (const Breakage& breakage : breakages) {
        Bytes bytes = saved(breakage.streamSize);
        const cfb::File intact = cfb::read(bytes);
        breakage.apply(bytes, intact);
        EXPECT_THROW(cfb::read(bytes), std::runtime_error) << breakage.what;
    }
}

}  // namespace
