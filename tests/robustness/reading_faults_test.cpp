// Faults while material lists and price lists are read and written, on the
// fake platform: files that vanish, cannot be read or written, folders that
// are gone or became files. Each shows its message, leaves no half-read
// state behind, and the next good operation works.

#include <gtest/gtest.h>

#include <string>

#include "calc/error.h"
#include "calc/kalkulace.h"
#include "support/fake_platform.h"
#include "support/host_folders.h"
#include "support/reading_fixture.h"
#include "support/sample_files.h"

namespace ek::test {
namespace {

using calc::Text;

const Text kProject = Text(kMaterialLists) + u"Projekt.txt";
const Text kPriceList = Text(kPriceLists) + u"Ceník.lst";

class ReadingFaults : public ReadingFixture {
  protected:
    // A good reading after the fault gives the worked example's figures.
    void expectUsable() {
        read(workedExampleText());
        EXPECT_EQ(k.INF_celkem, u"1373000");
        EXPECT_EQ(k.INF_celkova_cena, u" 13 730,00");
        EXPECT_TRUE(k.Button15Enabled);
    }

    // The worked example read, then `name` picked and broken by `breakIt`;
    // the reading's message.
    template <class Fault>
    std::string readingAfter(Fault breakIt) {
        read(workedExampleText());
        pick(u"Projekt.txt", workedExampleText());
        breakIt();
        return errorOf(&calc::Kalkulace::Prevod);
    }

    void expectNothingKept() {
        EXPECT_TRUE(k.ListBox1.empty());
        EXPECT_FALSE(k.Button15Enabled);
        EXPECT_FALSE(k.Button14Enabled);
        EXPECT_FALSE(k.Button16Enabled);
        EXPECT_EQ(k.INF_celkem, u"0");
        EXPECT_EQ(k.INF_celkova_cena, u"0,00");
        for (std::size_t c = 0; c < 8; ++c)
            EXPECT_EQ(k.categoryTable(c).rowCount(), 1) << "table " << c;
    }
};

TEST_F(ReadingFaults, MaterialListThatCannotBeReadStopsWithThePlatformMessage) {
    struct Case {
        const char* name;
        void (*breakIt)(FakePlatform&);
        std::string message;
    };
    const Case cases[] = {
        {"vanished after listing", [](FakePlatform& f) { f.removeFile(kProject); },
         "File not found"},
        {"no right to read", [](FakePlatform& f) { f.failReading(kProject, "Access denied"); },
         "Access denied"},
        {"folder gone", [](FakePlatform& f) { f.removeDirectory(kMaterialLists); },
         "File not found"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readingAfter([&] { c.breakIt(fake); }), c.message);
        expectNothingKept();
        fake = FakePlatform();  // the fault mended
        addHostFolders(fake);
        expectUsable();
    }
}

TEST_F(ReadingFaults, FolderReplacedByAFileIsReportedAndNothingIsSelected) {
    read(workedExampleText());
    fake.removeDirectory(kMaterialLists);
    const Text folderAsFile = Text(kMaterialLists).substr(0, Text(kMaterialLists).size() - 1);
    fake.addFile(folderAsFile, "not a folder");
    fake.messages.clear();
    k.Nastavit();
    EXPECT_EQ(fake.messages, std::vector<std::u16string>{u"Složka se seznamem kalkulací nebyla "
                                                         u"nalezena"});
    EXPECT_FALSE(k.Button15Enabled);
    // The list keeps its former folder and pick, which is no longer there.
    EXPECT_EQ(errorOf(&calc::Kalkulace::Prevod), "File not found");
    EXPECT_FALSE(k.Button15Enabled);

    fake.removeFile(folderAsFile);
    fake.addDirectory(kMaterialLists);
    expectUsable();
}

TEST_F(ReadingFaults, HugeMaterialListIsRefusedUnread) {
    read(workedExampleText());
    pick(u"Projekt.txt", workedExampleText());
    fake.reportSize(kProject, 1ull << 40);
    const int readsBefore = fake.readCount(kProject);
    EXPECT_EQ(errorOf(&calc::Kalkulace::Prevod),
              "Soubor \"" + platform::toUtf8(kProject) + "\" je příliš velký (nejvýše 64 MiB).");
    EXPECT_EQ(fake.readCount(kProject), readsBefore);
    expectNothingKept();
    fake.reportSize(kProject, utf16File(workedExampleText()).size());
    expectUsable();
}

class PriceListFaults : public ReadingFaults {
  protected:
    void SetUp() override {
        fake.addFile(kPriceList, utf16File(u"Kategorie\tPopis\tUživatel\tCena\r\n"
                                           u"Rostliny\tJavor\t \t1 250,00 Kč\r\n"
                                           u"[End]\r\n"));
        k.Nastavit();
        k.FileListBox2.itemIndex = 0;
        k.VyberCeniku();
        ASSERT_EQ(k.StringGrid8.cell(2, 1), u"Javor");
    }
};

TEST_F(PriceListFaults, PriceListThatCannotBeReadLeavesTheLinesEmptyAndTheTable) {
    const calc::TextGrid table = k.StringGrid8;
    const platform::Bytes content = *fake.file(kPriceList);
    fake.removeFile(kPriceList);
    EXPECT_EQ(errorOf(&calc::Kalkulace::VyberCeniku), "File not found");
    EXPECT_TRUE(k.ListBox1.empty());
    EXPECT_EQ(k.StringGrid8, table);  // PrevodDoTabulky did not run

    fake.addFile(kPriceList, content);
    fake.failReading(kPriceList, "Access denied");
    EXPECT_EQ(errorOf(&calc::Kalkulace::CteniCeniku), "Access denied");
    EXPECT_TRUE(k.ListBox1.empty());
    expectUsable();
}

TEST_F(PriceListFaults, PriceListThatCannotBeWrittenLeavesTheOldFile) {
    const Text written = Text(kPriceLists) + u"test.lst";
    k.ZaznamNovehoCeniku();
    const platform::Bytes before = *fake.file(written);

    k.StringGrid8.setCell(2, 1, u"Javor mléč");
    const platform::Bytes content = *fake.file(kPriceList);
    fake.removeDirectory(kPriceLists);
    EXPECT_EQ(errorOf(&calc::Kalkulace::ZaznamNovehoCeniku), "File not found");
    EXPECT_EQ(fake.file(written), nullptr);
    fake.addFile(written, before);
    fake.addFile(kPriceList, content);

    fake.failWriting(written, "Disk full");
    EXPECT_EQ(errorOf(&calc::Kalkulace::ZaznamNovehoCeniku), "Disk full");
    EXPECT_EQ(*fake.file(written), before);

    fake.failWriting(written, "Access denied");
    EXPECT_EQ(errorOf(&calc::Kalkulace::ZaznamNovehoCeniku), "Access denied");
    EXPECT_EQ(*fake.file(written), before);

    fake.addDirectory(kPriceLists);
    k.Edit12 = u"nový";
    k.ZaznamNovehoCeniku();
    EXPECT_NE(fake.file(Text(kPriceLists) + u"nový.lst"), nullptr);
    expectUsable();
}

}  // namespace
}  // namespace ek::test
