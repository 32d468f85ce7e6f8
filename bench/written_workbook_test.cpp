// The workbook written for generated material lists must stay byte for byte
// what it was when these fingerprints were recorded: speed work on the
// reading, the model or the writer may change how the bytes are made, never
// which bytes. A deliberate change of the output (a fixed fault) records the
// new size and fingerprint here, in the same commit, saying why.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/fnv1a.h"
#include "bench/material_list.h"
#include "bench/one_file_platform.h"
#include "bench/reading.h"
#include "bench/scratch_folder.h"
#include "calc/kalkulace.h"
#include "export/generovat_tabulku.h"
#include "platform/unicode.h"
#include "xls/save_as.h"
#include "xls/workbook.h"

namespace ek::bench {
namespace {

namespace fs = std::filesystem;

struct ReferenceRun {
    const char* name;
    int plants;
    int plantNameMode;
    std::uintmax_t size;
    std::uint64_t fingerprint;
};

std::vector<std::uint8_t> fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class WrittenWorkbook : public ::testing::TestWithParam<ReferenceRun> {};

// The export as "Export XLS" runs it: the reading through Prevod, then
// GenerovatTabulku saving beside the material list.
TEST_P(WrittenWorkbook, KeepsItsBytes) {
    const ReferenceRun& run = GetParam();
    const ScratchFolder folder("written-workbook");
    OneFilePlatform platform(u"Projekt.txt", materialList(shapeWithPlants(run.plants)));
    calc::Kalkulace state(platform, u',');
    readThroughPrevod(state, folder.withSeparator(), run.plantNameMode);
    ASSERT_TRUE(state.Button15Enabled) << "the reading stopped";

    ASSERT_EQ(exporter::GenerovatTabulku(state), xls::kSaveAsSucceeded);
    EXPECT_TRUE(platform.messages.empty());

    const std::vector<std::uint8_t> bytes = fileBytes(folder.path() / "Projekt.xls");
    EXPECT_EQ(bytes.size(), run.size);
    EXPECT_EQ(fnv1a64(bytes), run.fingerprint)
        << std::hex << "0x" << fnv1a64(bytes) << " (size " << std::dec << bytes.size() << ")";
}

// The plants of the last run fill their worksheet to its last row: title,
// header, 65 532 items, subtotal and project total are 65 536 rows.
INSTANTIATE_TEST_SUITE_P(
    GeneratedLists, WrittenWorkbook,
    ::testing::Values(ReferenceRun{"FewPlantsBothNames", 100, 2, 33792, 0xEEB760F60D1EF4EEULL},
                      ReferenceRun{"ThousandsFirstName", 5000, 0, 954368, 0xFC29263FFF13DD09ULL},
                      ReferenceRun{"WorksheetLimitSecondName", 65532, 1, 10345472,
                                   0x9DEDE1815CB6402CULL}),
    [](const ::testing::TestParamInfo<ReferenceRun>& info) { return info.param.name; });

// The workbook saved into memory is the same file as the one on disk.
TEST(WrittenWorkbookInMemory, EqualsTheSavedFile) {
    const ScratchFolder folder("written-workbook");
    OneFilePlatform platform(u"Projekt.txt", materialList(shapeWithPlants(3000)));
    calc::Kalkulace state(platform, u',');
    readThroughPrevod(state, folder.withSeparator(), 0);
    ASSERT_EQ(exporter::GenerovatTabulku(state), xls::kSaveAsSucceeded);

    xls::TXLSWorkbook workbook;
    exporter::buildWorkbook(workbook, state);
    std::vector<std::uint8_t> inMemory;
    ASSERT_EQ(xls::SaveToMemory(workbook, inMemory), xls::kSaveAsSucceeded);
    EXPECT_EQ(inMemory, fileBytes(folder.path() / "Projekt.xls"));
}

// The fingerprint itself: the published FNV-1a test vectors.
TEST(Fnv1a64, MatchesPublishedVectors) {
    const std::uint8_t a[] = {'a'};
    const std::uint8_t foobar[] = {'f', 'o', 'o', 'b', 'a', 'r'};
    EXPECT_EQ(fnv1a64({}), 0xCBF29CE484222325ULL);
    EXPECT_EQ(fnv1a64(a), 0xAF63DC4C8601EC8CULL);
    EXPECT_EQ(fnv1a64(foobar), 0x85944171F73967E8ULL);
}

}  // namespace
}  // namespace ek::bench
