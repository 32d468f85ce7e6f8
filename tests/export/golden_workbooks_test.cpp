// The written workbook, byte for byte: the bundled samples in each plant-name
// mode and a generated list of 2 000 items are exported as "Export XLS" does
// and compared with the workbooks in tests/export/golden. Work on the
// reading, the model or the writer may change how the bytes are made, never
// which bytes. A deliberate change of the output (a fixed fault) writes the
// new golden files in the same commit, saying why: run this test with
// EK_UPDATE_GOLDEN=1 in the environment.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "calc/kalkulace.h"
#include "export/generovat_tabulku.h"
#include "platform/unicode.h"
#include "support/biff_reader.h"
#include "support/cfb_reader.h"
#include "support/sample_documents.h"
#include "support/temporary_folder.h"
#include "xls/io/save_as.h"

namespace ek::test {
namespace {

namespace fs = std::filesystem;

struct GoldenCase {
    const char* name;      // of the test and the golden file
    const char* listFile;  // the material list, in the documents' material-list folder
    int plantNameMode;     // RadioGroup2
};

// Test names in gtest's output rather than the case's bytes.
void PrintTo(const GoldenCase& golden, std::ostream* out) {
    *out << golden.name;
}

using Bytes = std::vector<std::uint8_t>;

Bytes fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// Absolute: on Windows a path from the source folder has no drive, and the
// reading changes the current directory (and with it the drive).
fs::path goldenFolder() {
    return fs::absolute(pathFromUtf8(EK_SOURCE_DIR) / pathFromUtf8("tests/export/golden"));
}

// Where two files part: in the "Workbook" stream, the first record that
// differs (its type, offset and substream); else the container's offset.
std::string firstDifference(const Bytes& expected, const Bytes& actual) {
    std::ostringstream out;
    try {
        const std::vector<biff::Record> want =
            biff::splitRecords(cfb::read(expected).streams.at(u"Workbook"), true);
        const std::vector<biff::Record> got =
            biff::splitRecords(cfb::read(actual).streams.at(u"Workbook"), true);
        int substream = -1;  // -1 before the globals' BOF, 0 the globals, then the sheets
        for (std::size_t i = 0; i < std::min(want.size(), got.size()); ++i) {
            if (want[i].type == 0x0809)  // BOF
                ++substream;
            if (want[i].type != got[i].type || want[i].data != got[i].data) {
                out << "record " << i << " (type 0x" << std::hex << want[i].type << ", got 0x"
                    << got[i].type << ", stream offset " << std::dec << want[i].offset << ", "
                    << (substream <= 0 ? std::string("globals")
                                       : "sheet " + std::to_string(substream))
                    << ") differs";
                return out.str();
            }
        }
        if (want.size() != got.size()) {
            out << want.size() << " records expected, " << got.size() << " written";
            return out.str();
        }
    } catch (const std::exception& error) {
        out << "(not readable as a workbook: " << error.what() << ") ";
    }
    const auto parted =
        std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    out << "the files part at byte " << (parted.first - expected.begin()) << " of "
        << expected.size() << " (written " << actual.size() << ")";
    return out.str();
}

class GoldenWorkbook : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenWorkbook, IsWrittenByteForByte) {
    const GoldenCase& golden = GetParam();
    const fs::path goldenFile = goldenFolder() / (std::string(golden.name) + ".xls");
    const SampleDocuments samples("ek-golden-");
    const fs::path materialLists = samples.materialLists();
    fs::copy_file(goldenFolder() / pathFromUtf8("Dva tisíce položek.txt"),
                  materialLists / pathFromUtf8("Dva tisíce položek.txt"));

    platform::SystemPlatformOptions options;
    options.documentsFolder = platformPathOf(samples.documents());
    options.messageSink = [](const std::u16string& text) {
        ADD_FAILURE() << platform::toUtf8(text);
    };
    const auto system = platform::makeSystemPlatform(std::move(options));
    const CurrentDirectoryKept currentDirectory;
    calc::Kalkulace state(*system, u',');
    state.Nastavit();
    const calc::TextList& names = state.FileListBox1.items;
    const calc::Text listName = platformPathOf(pathFromUtf8(golden.listFile));
    const auto found = std::find(names.begin(), names.end(), listName);
    ASSERT_NE(found, names.end()) << golden.listFile;
    state.FileListBox1.itemIndex = static_cast<int>(found - names.begin());
    state.RadioGroup2 = golden.plantNameMode;
    state.Prevod();
    ASSERT_EQ(exporter::GenerovatTabulku(state), xls::SaveResult::Saved);

    fs::path workbook = materialLists / pathFromUtf8(golden.listFile);
    workbook.replace_extension(".xls");
    const Bytes written = fileBytes(workbook);
    if (std::getenv("EK_UPDATE_GOLDEN") != nullptr) {
        writeBytes(goldenFile, written);
        GTEST_SKIP() << "written " << utf8Of(goldenFile);
    }
    const Bytes expected = fileBytes(goldenFile);
    ASSERT_FALSE(expected.empty()) << "no golden file " << utf8Of(goldenFile);
    EXPECT_TRUE(written == expected) << firstDifference(expected, written);
}

INSTANTIATE_TEST_SUITE_P(SamplesAndGenerated, GoldenWorkbook,
                         ::testing::Values(GoldenCase{"zahrada-oba", "Zahrada u domu.txt", 2},
                                           GoldenCase{"zahrada-prvni", "Zahrada u domu.txt", 0},
                                           GoldenCase{"zahrada-druhy", "Zahrada u domu.txt", 1},
                                           GoldenCase{"ricany-oba", "Rodinný dům Říčany.txt", 2},
                                           GoldenCase{"ricany-prvni", "Rodinný dům Říčany.txt", 0},
                                           GoldenCase{"ricany-druhy", "Rodinný dům Říčany.txt", 1},
                                           GoldenCase{"dva-tisice-prvni", "Dva tisíce položek.txt",
                                                      0}),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace ek::test
