#include "xls/cfb/compound_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "support/cfb_reader.h"
#include "xls/cfb/compound_file_layout.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Bytes that differ from sector to sector, so a misplaced sector shows.
Bytes pattern(std::size_t size, std::uint32_t seed = 1) {
    Bytes bytes(size);
    std::uint32_t state = seed * 2654435761u + 1;
    for (auto& byte : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<std::uint8_t>(state);
    }
    return bytes;
}

// Saves `stream` as "Workbook" in memory, in pieces of `chunk` bytes as the
// workbook writer does.
Bytes save(const Bytes& stream, std::size_t chunk = 4048) {
    Bytes file;
    auto compound = xls::CompoundFile::createInMemory(file);
    EXPECT_NE(compound, nullptr);
    xls::CompoundStream* workbook = compound->createStream(u"Workbook");
    EXPECT_NE(workbook, nullptr);
    for (std::size_t at = 0; at < stream.size(); at += chunk) {
        const std::size_t piece = std::min(chunk, stream.size() - at);
        EXPECT_EQ(workbook->write(std::span(stream).subspan(at, piece)), piece);
    }
    EXPECT_EQ(workbook->seekCurrent(), stream.size());
    EXPECT_EQ(compound->release(), xls::SaveResult::Saved);
    return file;
}

std::uint16_t u16At(const Bytes& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t u32At(const Bytes& bytes, std::size_t at) {
    return u16At(bytes, at) | (static_cast<std::uint32_t>(u16At(bytes, at + 2)) << 16);
}

// The header values every file must carry, read at their offsets.
void expectFixedHeaderFields(const Bytes& file) {
    const Bytes signature{0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), file.begin()));
    EXPECT_TRUE(
        std::all_of(file.begin() + 0x08, file.begin() + 0x18, [](auto b) { return b == 0; }));
    EXPECT_EQ(u16At(file, 0x18), 0x003E);
    EXPECT_EQ(u16At(file, 0x1A), 0x0003);
    EXPECT_EQ(u16At(file, 0x1C), 0xFFFE);
    EXPECT_EQ(u16At(file, 0x1E), 9);
    EXPECT_EQ(u16At(file, 0x20), 6);
    EXPECT_TRUE(
        std::all_of(file.begin() + 0x22, file.begin() + 0x28, [](auto b) { return b == 0; }));
    EXPECT_EQ(u32At(file, 0x28), 0u);
    EXPECT_GT(u32At(file, 0x2C), 0u);
    EXPECT_EQ(u32At(file, 0x34), 0u);
    EXPECT_EQ(u32At(file, 0x38), 0x00001000u);
}

TEST(CompoundFileHeader, SmallStreamHasAMiniFatAndNoDifat) {
    const Bytes file = save(pattern(3584));
    expectFixedHeaderFields(file);
    EXPECT_EQ(u32At(file, 0x2C), 1u);           // one FAT sector
    EXPECT_NE(u32At(file, 0x3C), 0xFFFFFFFEu);  // mini FAT start
    EXPECT_EQ(u32At(file, 0x40), 1u);           // one mini FAT sector
    EXPECT_EQ(u32At(file, 0x44), 0xFFFFFFFEu);  // no DIFAT sector
    EXPECT_EQ(u32At(file, 0x48), 0u);
    for (std::size_t slot = 1; slot < 109; ++slot) {
        EXPECT_EQ(u32At(file, 0x4C + 4 * slot), 0xFFFFFFFFu) << slot;
    }
}

TEST(CompoundFileHeader, StreamAtTheCutoffHasNoMiniFat) {
    const Bytes file = save(pattern(4096));
    expectFixedHeaderFields(file);
    EXPECT_EQ(u32At(file, 0x3C), 0xFFFFFFFEu);
    EXPECT_EQ(u32At(file, 0x40), 0u);
    EXPECT_EQ(u32At(file, 0x44), 0xFFFFFFFEu);
    EXPECT_EQ(u32At(file, 0x48), 0u);
}

struct SizeCase {
    std::size_t size;
    bool inMiniStream;
};

class CompoundFileSizes : public testing::TestWithParam<SizeCase> {};

TEST_P(CompoundFileSizes, ReadsBackStrictlyWithTheStreamWhereItsSizeSaysItIs) {
    const Bytes stream = pattern(GetParam().size);
    const cfb::File file = cfb::read(save(stream));

    ASSERT_EQ(file.streams.size(), 1u);
    ASSERT_EQ(file.streams.count(u"Workbook"), 1u);
    EXPECT_EQ(file.streams.at(u"Workbook"), stream);
    // Root storage, the stream, two unused entries: one directory sector.
    ASSERT_EQ(file.directory.size(), 4u);
    const cfb::DirectoryEntry& root = file.directory[0];
    const cfb::DirectoryEntry& workbook = file.directory[1];
    EXPECT_EQ(root.child, 1u);
    EXPECT_EQ(workbook.name, u"Workbook");
    EXPECT_EQ(workbook.nameLength, 18);
    EXPECT_EQ(workbook.type, 2);
    EXPECT_EQ(workbook.inMiniStream, GetParam().inMiniStream);
    for (const cfb::DirectoryEntry* entry : {&root, &workbook}) {
        EXPECT_EQ(entry->colour, 1);  // black
        EXPECT_TRUE(std::all_of(entry->classId.begin(), entry->classId.end(),
                                [](auto b) { return b == 0; }));
        EXPECT_EQ(entry->stateBits, 0u);
        EXPECT_EQ(entry->creationTime, 0u);
        EXPECT_EQ(entry->modifiedTime, 0u);
    }
    if (!GetParam().inMiniStream) {
        EXPECT_EQ(root.size, 0u);
        EXPECT_EQ(root.startSector, cfb::ENDOFCHAIN);
        EXPECT_EQ(file.header.miniFatSectorCount, 0u);
    }
    // No wasted space: no free sector inside, no FAT sector mapping only
    // what lies past the end of the file.
    EXPECT_EQ(file.freeSectorsInFile, 0u);
    EXPECT_LT((file.header.fatSectorCount - 1) * 128u, file.sectorCount);
}

INSTANTIATE_TEST_SUITE_P(AroundTheMiniStreamCutoff, CompoundFileSizes,
                         testing::Values(SizeCase{0, false}, SizeCase{1, true}, SizeCase{63, true},
                                         SizeCase{64, true}, SizeCase{65, true},
                                         SizeCase{512, true}, SizeCase{3584, true},
                                         SizeCase{4095, true}, SizeCase{4096, false},
                                         SizeCase{4097, false}, SizeCase{4608, false},
                                         SizeCase{65536, false}, SizeCase{65537, false},
                                         SizeCase{200000, false}));

// Sector counts worked out by hand: a file of S stream sectors has S + 1
// (directory) + F (FAT) + D (DIFAT) sectors, and F FAT sectors map 128 x F.
// F = 109 holds up to 109 x 128 = 13952 sectors: S = 13952 - 110 = 13842.
// One more stream sector needs F = 110 and with it D = 1 (13955 sectors).
// The header and one DIFAT sector list 109 + 127 = 236 FAT sectors, which
// map 30208 sectors: S = 30208 - 238 = 29970; one more needs F = 237, D = 2.
struct FatCase {
    std::size_t streamSize;
    std::uint32_t fatSectors;
    std::uint32_t difatSectors;
};

class CompoundFileFatBoundaries : public testing::TestWithParam<FatCase> {};

TEST_P(CompoundFileFatBoundaries, UsesExactlyTheFatAndDifatSectorsNeeded) {
    const Bytes stream = pattern(GetParam().streamSize, 7);
    const Bytes bytes = save(stream);
    const cfb::File file = cfb::read(bytes);
    EXPECT_EQ(file.header.fatSectorCount, GetParam().fatSectors);
    EXPECT_EQ(file.header.difatSectorCount, GetParam().difatSectors);
    EXPECT_EQ(file.difatSectors.size(), GetParam().difatSectors);
    EXPECT_EQ(file.freeSectorsInFile, 0u);
    ASSERT_EQ(file.streams.size(), 1u);
    EXPECT_TRUE(file.streams.at(u"Workbook") == stream);
}

INSTANTIATE_TEST_SUITE_P(
    At109And236FatSectors, CompoundFileFatBoundaries,
    testing::Values(FatCase{13715 * 512, 108, 0},      // 13715 + 1 + 108 = 13824 = 108 x 128
                    FatCase{13716 * 512, 109, 0},      // 13826: one past 108 full FAT sectors
                    FatCase{13842 * 512 - 1, 109, 0},  // ends inside the last sector
                    FatCase{13842 * 512, 109, 0},      // 13952: every FAT entry in use
                    FatCase{13843 * 512, 110, 1},      // 13955: first DIFAT sector
                    FatCase{29970 * 512, 236, 1},      // 30208: the DIFAT sector is full
                    FatCase{29971 * 512, 237, 2}));    // 30211: a second DIFAT sector

TEST(CompoundFileLayout, FatCoversEveryFileSizeWithoutASpareSector) {
    // Layouts only (no bytes), up to the largest stream a version 3 file holds.
    for (std::uint64_t size = 0; size <= xls::CompoundStream::kMaxSize; size += 512 * 997 + 3) {
        const xls::compound::Layout layout = xls::compound::layoutFor(size);
        const std::uint64_t total = layout.totalSectors();
        ASSERT_GE(std::uint64_t{layout.fat.count} * 128, total) << size;
        ASSERT_LT(std::uint64_t{layout.fat.count - 1} * 128, total) << size;
        const std::uint32_t beyondHeader = layout.fat.count > 109 ? layout.fat.count - 109 : 0;
        ASSERT_EQ(layout.difat.count, (beyondHeader + 126) / 127) << size;
    }
}

TEST(CompoundFile, SameStreamGivesTheSameBytesWhateverTheWritePieces) {
    const Bytes stream = pattern(150000, 3);
    const Bytes first = save(stream);
    EXPECT_EQ(save(stream), first);
    EXPECT_EQ(save(stream, 1), first);
    EXPECT_EQ(save(stream, 100000), first);
    EXPECT_EQ(save(stream, stream.size()), first);
}

TEST(CompoundFile, FileSizeIsWholeSectorsOfEverythingItHolds) {
    // 4608 bytes: 9 stream sectors, directory, FAT -> 11 sectors + header.
    EXPECT_EQ(save(pattern(4608)).size(), 12u * 512);
    // 3584 bytes: mini stream of 7 sectors, directory, mini FAT, FAT.
    EXPECT_EQ(save(pattern(3584)).size(), 11u * 512);
    // Nothing: directory and FAT only.
    EXPECT_EQ(save(Bytes{}).size(), 3u * 512);
}

TEST(CompoundFile, ReleaseWithoutAStreamWritesAnEmptyRootStorage) {
    Bytes bytes;
    auto compound = xls::CompoundFile::createInMemory(bytes);
    ASSERT_EQ(compound->release(), xls::SaveResult::Saved);
    const cfb::File file = cfb::read(bytes);
    EXPECT_TRUE(file.streams.empty());
    EXPECT_EQ(file.directory[0].child, cfb::NOSTREAM);
}

TEST(CompoundFile, HoldsOneStreamWithAValidName) {
    Bytes bytes;
    auto compound = xls::CompoundFile::createInMemory(bytes);
    for (const std::u16string name :
         {u"", u"a/b", u"a\\b", u"a:b", u"a!b", u"12345678901234567890123456789012"}) {
        EXPECT_EQ(compound->createStream(name), nullptr) << name.size();
    }
    const std::u16string longest = u"1234567890123456789012345678901";  // 31
    xls::CompoundStream* stream = compound->createStream(longest);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(compound->createStream(u"Workbook"), nullptr);
    ASSERT_EQ(compound->release(), xls::SaveResult::Saved);
    EXPECT_EQ(compound->createStream(u"Other"), nullptr);
    EXPECT_EQ(cfb::read(bytes).streams.count(longest), 1u);
}

TEST(CompoundFileInMemory, AppendsToTheCallersBufferOnlyOnSuccess) {
    const Bytes before{1, 2, 3};
    Bytes buffer = before;
    {
        auto abandoned = xls::CompoundFile::createInMemory(buffer);
        abandoned->createStream(u"Workbook")->write(pattern(5000));
    }
    EXPECT_EQ(buffer, before);

    auto compound = xls::CompoundFile::createInMemory(buffer);
    compound->createStream(u"Workbook")->write(pattern(5000));
    ASSERT_EQ(compound->release(), xls::SaveResult::Saved);
    EXPECT_EQ(compound->release(), xls::SaveResult::WriteFailed);
    ASSERT_GT(buffer.size(), before.size());
    EXPECT_TRUE(std::equal(before.begin(), before.end(), buffer.begin()));
    const Bytes file(buffer.begin() + 3, buffer.end());
    EXPECT_EQ(file, save(pattern(5000)));
}

// A target that takes `budget` bytes and fails, as a full disk, on the write
// that exceeds it.
class FailingTarget final : public xls::SaveTarget {
  public:
    FailingTarget(std::size_t budget, bool& committed) : budget_(budget), committed_(committed) {}
    xls::SaveResult writeAt(std::uint64_t, std::span<const std::uint8_t> bytes) override {
        if (bytes.size() > budget_) {
            budget_ = 0;
            return xls::SaveResult::NoSpace;
        }
        budget_ -= bytes.size();
        return xls::SaveResult::Saved;
    }
    xls::SaveResult commit() override {
        committed_ = true;
        return xls::SaveResult::Saved;
    }

  private:
    std::size_t budget_;
    bool& committed_;
};

TEST(CompoundFile, AFailedTargetWriteFailsTheSaveAndNothingIsCommitted) {
    const Bytes stream = pattern(200000);
    const std::size_t fileSize = save(stream).size();
    for (std::size_t budget = 0; budget < fileSize; budget += 4093) {
        bool committed = false;
        xls::CompoundFile compound(std::make_unique<FailingTarget>(budget, committed));
        xls::CompoundStream* workbook = compound.createStream(u"Workbook");
        bool shortWrite = false;
        for (std::size_t at = 0; at < stream.size() && !shortWrite; at += 4048) {
            const auto piece =
                std::span(stream).subspan(at, std::min<std::size_t>(4048, stream.size() - at));
            shortWrite = workbook->write(piece) != piece.size();
        }
        if (shortWrite) {
            EXPECT_TRUE(workbook->failed());
            EXPECT_EQ(workbook->write(stream), 0u) << "writes after a failure take nothing";
        }
        EXPECT_EQ(compound.release(), xls::SaveResult::NoSpace) << budget;
        EXPECT_FALSE(committed) << budget;
    }
}

TEST(CompoundFile, SeekCurrentIsTheLengthWrittenSoFar) {
    Bytes bytes;
    auto compound = xls::CompoundFile::createInMemory(bytes);
    xls::CompoundStream* stream = compound->createStream(u"Workbook");
    EXPECT_EQ(stream->seekCurrent(), 0u);
    stream->write(pattern(4048));
    EXPECT_EQ(stream->seekCurrent(), 4048u);
    stream->write(pattern(70000));
    EXPECT_EQ(stream->seekCurrent(), 74048u);
}

}  // namespace
