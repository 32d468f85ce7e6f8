// The bundled sample documents folder, read as the tool reads it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "calc/categories.h"
#include "calc/kalkulace.h"
#include "support/reading_fixture.h"
#include "support/sample_files.h"
#include "support/temporary_folder.h"

namespace ek::calc {
namespace {

using namespace ek::test;

platform::Bytes sampleFile(const std::string& relative) {
    const std::filesystem::path path = pathFromUtf8(EK_SOURCE_DIR) /
                                       pathFromUtf8("samples/Documents/Verdigo 2016") /
                                       pathFromUtf8(relative);
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << path;
    return platform::Bytes(std::istreambuf_iterator<char>(file), {});
}

using Samples = ReadingFixture;

TEST_F(Samples, WorkedExampleFileIsTheWorkedExample) {
    EXPECT_EQ(sampleFile("Material Lists/Zahrada u domu.txt"), utf16File(workedExampleText()));
}

TEST_F(Samples, LargerProjectFillsAllEightTables) {
    k.RadioGroup2 = 0;
    pickBytes(u"Rodinný dům Říčany.txt", sampleFile("Material Lists/Rodinný dům Říčany.txt"));
    k.Prevod();
    for (std::size_t c = 0; c < kCategoryCount; ++c) {
        EXPECT_GE(k.categoryTable(c).rowCount(), 4) << c;
        EXPECT_NE(k.subtotalItem(c), u"0,00") << c;
    }
    EXPECT_GE(k.StringGrid2.rowCount(), 32);
    EXPECT_EQ(k.StringGrid2.cell(1, 1), u"Acer 'Autumn-Blaze'");
    EXPECT_TRUE(k.Button15Enabled);
}

TEST_F(Samples, PriceListReads) {
    fake.addFile(std::u16string(kPriceLists) + u"Základní ceník.lst",
                 sampleFile("Price Lists/Základní ceník.lst"));
    k.Nastavit();
    k.FileListBox2.itemIndex = 0;
    k.VyberCeniku();
    EXPECT_EQ(k.StringGrid8.rowCount(), 5);
    EXPECT_EQ(k.StringGrid8.cell(2, 3), u"Dlažba 30/30 cm – žulová");
    EXPECT_EQ(k.StringGrid8.cell(3, 3), u"450,00");
}

}  // namespace
}  // namespace ek::calc
