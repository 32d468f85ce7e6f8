// Price lists: the pick, reading into the price list table, writing a new one.

#include <gtest/gtest.h>

#include "calc/kalkulace.h"
#include "support/reading_fixture.h"
#include "support/sample_files.h"

namespace ek::calc {
namespace {

using namespace ek::test;

const std::u16string kPriceList = std::u16string(kPriceLists) + u"Ceník.lst";

class PriceLists : public ReadingFixture {
  protected:
    void pickPriceList(const std::u16string& name, const platform::Bytes& content) {
        fake.addFile(std::u16string(kPriceLists) + name, content);
        k.Nastavit();
        const auto& items = k.FileListBox2.items;
        k.FileListBox2.itemIndex =
            static_cast<int>(std::find(items.begin(), items.end(), name) - items.begin());
        k.VyberCeniku();
    }
    TextList row(int r) const {
        return {Text(k.StringGrid8.cell(0, r)), Text(k.StringGrid8.cell(1, r)),
                Text(k.StringGrid8.cell(2, r)), Text(k.StringGrid8.cell(3, r))};
    }
};

const std::u16string kHostPriceList =
    linesText({u"Kategorie\tSystémový popis\tUživatelský popis\tJednotková cena",
               u"Rostliny\tAcer campestre - javor babyka\t \t1\u00A0250,00 Kč",
               u"Ostatní objekty zahrady\tLavička (dřevo/kov)\tLavice\t5,00 Kč", u"[End]"});

TEST_F(PriceLists, HostPriceListIsReadIntoTheTable) {
    pickPriceList(u"Ceník.lst", utf16File(kHostPriceList));
    EXPECT_EQ(k.Edit2, u"Ceník.lst");
    EXPECT_EQ(k.INF_jmeno_souboru, kPriceList);  // one separator only
    ASSERT_EQ(k.StringGrid8.rowCount(), 3);
    EXPECT_EQ(row(1),
              (TextList{u"1", u"Rostliny", u"Acer campestre - javor babyka", u"1\u00A0250,00"}));
    // A slash inside a description is text; the user description is not read.
    EXPECT_EQ(row(2),
              (TextList{u"2", u"Ostatní objekty zahrady", u"Lavička (dřevo/kov)", u"5,00"}));
    // The working table of the material list is not touched.
    EXPECT_EQ(k.StringGrid1.rowCount(), 50);
}

TEST_F(PriceLists, WrittenPriceListReadsBackTheSameRows) {
    pickPriceList(u"Ceník.lst", utf16File(kHostPriceList));
    const TextGrid table = k.StringGrid8;
    k.ZaznamNovehoCeniku();
    const std::u16string written = std::u16string(kPriceLists) + u"test.lst";
    EXPECT_EQ(k.INF_jmeno_souboru, written);
    const platform::Bytes* bytes = fake.file(written);
    ASSERT_NE(bytes, nullptr);
    const std::string text(bytes->begin(), bytes->end());
    EXPECT_TRUE(text.starts_with("Kategorie\tSyst\xE9mov\xFD popis (nelze m\xECnit)\t"));
    EXPECT_NE(text.find("Rostliny\tAcer campestre - javor babyka\t\t1\xA0"
                        "250,00 K\xE8\r\n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("5,00 K\xE8\r\n[End]\r\n"));

    k.FileListBox2.reread(fake, CzechCollation());
    const auto& items = k.FileListBox2.items;
    k.FileListBox2.itemIndex =
        static_cast<int>(std::find(items.begin(), items.end(), u"test.lst") - items.begin());
    k.VyberCeniku();
    EXPECT_EQ(k.StringGrid8, table);
}

TEST_F(PriceLists, SeparatorIsAddedOnlyWhenTheFolderLacksIt) {
    k.Edit11 = u"/home/jana/Ceníky";
    fake.addDirectory(k.Edit11);
    k.ZaznamNovehoCeniku();
    EXPECT_EQ(k.INF_jmeno_souboru, u"/home/jana/Ceníky/test.lst");
    EXPECT_NE(fake.file(u"/home/jana/Ceníky/test.lst"), nullptr);
}

TEST_F(PriceLists, UnwritableCharacterWritesNothing) {
    pickPriceList(u"Ceník.lst", utf16File(kHostPriceList));
    k.StringGrid8.setCell(2, 2, u"Lavička ♥");
    EXPECT_EQ(errorOf(&Kalkulace::ZaznamNovehoCeniku),
              "Ceník nelze uložit: znak \"♥\" na řádku 2 nelze zapsat v kódování Windows-1250.");
    EXPECT_EQ(fake.file(std::u16string(kPriceLists) + u"test.lst"), nullptr);
    EXPECT_EQ(k.INF_jmeno_souboru, kPriceList);
}

TEST_F(PriceLists, WriteFailureGivesTheInputOutputMessage) {
    k.Nastavit();
    fake.failWriting(std::u16string(kPriceLists) + u"test.lst", "Access denied");
    EXPECT_EQ(errorOf(&Kalkulace::ZaznamNovehoCeniku), "Access denied");
}

TEST_F(PriceLists, MissingFileLeavesTheLinesEmptyAndTheTableAsItWas) {
    pickPriceList(u"Ceník.lst", utf16File(kHostPriceList));
    const TextGrid table = k.StringGrid8;
    fake.removeFile(kPriceList);
    EXPECT_EQ(errorOf(&Kalkulace::VyberCeniku), "File not found");
    EXPECT_TRUE(k.ListBox1.empty());
    EXPECT_EQ(k.StringGrid8, table);
}

TEST_F(PriceLists, PriceListOver64MiBIsRefusedAndTheLinesStay) {
    pickPriceList(u"Ceník.lst", utf16File(kHostPriceList));
    const TextList lines = k.ListBox1;
    fake.reportSize(kPriceList, 64ull * 1024 * 1024 + 1);
    EXPECT_EQ(errorOf(&Kalkulace::CteniCeniku),
              "Soubor \"" + toUtf8(kPriceList) + "\" je příliš velký (nejvýše 64 MiB).");
    EXPECT_EQ(k.ListBox1, lines);
    EXPECT_EQ(fake.readCount(kPriceList), 1);  // the first, successful reading only
}

TEST_F(PriceLists, NothingPicked) {
    k.Nastavit();
    EXPECT_EQ(errorOf(&Kalkulace::VyberCeniku), "V seznamu souborů není vybrán žádný soubor.");
}

TEST_F(PriceLists, TableKeepsItsHeaderRowForAnyLines) {
    k.ListBox1 = {u"jen hlavička"};
    k.PrevodDoTabulky();
    EXPECT_EQ(k.StringGrid8.rowCount(), 1);
    k.ListBox1 = {};
    k.PrevodDoTabulky();
    EXPECT_EQ(k.StringGrid8.rowCount(), 1);
}

}  // namespace
}  // namespace ek::calc
