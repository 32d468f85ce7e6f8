// Start-up: the working state's first texts, the host folders, the file lists
// and the OpenOffice path file.

#include <gtest/gtest.h>

#include "calc/error.h"
#include "calc/kalkulace.h"
#include "support/fake_platform.h"
#include "support/host_folders.h"
#include "support/sample_files.h"

namespace ek::calc {
namespace {

using namespace ek::test;

constexpr char16_t kFolderOfPriceListsMissing[] = u"Složka se seznamem ceníků nebyla nalezena";
constexpr char16_t kFolderOfMaterialListsMissing[] =
    u"Složka se seznamem kalkulací nebyla nalezena";
constexpr char16_t kOfficeFile[] = u"/start/open_office_full_exe_name.txt";

void expectInitialFigures(const Kalkulace& k) {
    EXPECT_EQ(k.INF_celkem, u"0");
    EXPECT_EQ(k.INF_celkova_cena, u"0,00");
    EXPECT_EQ(k.INF_cena_kategorie, u"0,00");
    for (std::size_t c = 0; c < 8; ++c)
        EXPECT_EQ(k.subtotalItem(c), u"000,00") << c;
    EXPECT_FALSE(k.Button14Enabled);
    EXPECT_FALSE(k.Button15Enabled);
    EXPECT_FALSE(k.Button16Enabled);
}

TEST(KalkulaceStart, FirstTexts) {
    FakePlatform fake;
    const Kalkulace k(fake, u',');
    expectInitialFigures(k);
    EXPECT_EQ(k.INF_cesta_office, u"0000");
    EXPECT_EQ(k.Edit12, u"test");
    EXPECT_EQ(k.INF_dokumenty, u"oo_");
    EXPECT_EQ(k.RadioGroup2, 2);
    EXPECT_EQ(k.RadioGroup3, 1);
    EXPECT_EQ(k.shownTab, 1);
    EXPECT_EQ(k.highlightedTab, 0);
    EXPECT_EQ(k.FileListBox1.itemIndex, -1);
    EXPECT_EQ(k.StringGrid1.rowCount(), 50);
    EXPECT_EQ(k.StringGrid2.rowCount(), 15);
}

TEST(KalkulaceStart, FindsTheFullEditionsFolders) {
    FakePlatform fake;
    addHostFolders(fake);
    fake.addFile(std::u16string(kMaterialLists) + u"Zahrada u domu.txt", "");
    fake.addFile(std::u16string(kMaterialLists) + u"ZAHRADA.TXT", "");
    fake.addFile(std::u16string(kMaterialLists) + u"poznámky.doc", "");
    fake.addFile(std::u16string(kPriceLists) + u"Rostliny.lst", "");
    fake.addFile(std::u16string(kPriceLists) + u"ceník.txt", "");
    Kalkulace k(fake, u',');
    k.Nastavit();
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(k.Edit1, kMaterialLists);
    EXPECT_EQ(k.Edit11, kPriceLists);
    EXPECT_EQ(k.FileListBox1.items, (TextList{u"Zahrada u domu.txt", u"ZAHRADA.TXT"}));
    EXPECT_EQ(k.FileListBox2.items, (TextList{u"ceník.txt", u"Rostliny.lst"}));
    // The material list entered last is the current directory.
    EXPECT_EQ(fake.currentDirectory(), u"/home/jana/Dokumenty/Verdigo 2016/Material Lists");
    expectInitialFigures(k);
}

TEST(KalkulaceStart, FileListIsInCzechAlphabeticalOrder) {
    FakePlatform fake;
    addHostFolders(fake);
    for (const char16_t* name : {u"Dům.txt", u"chata.txt", u"Čáp.txt", u"hrad.txt", u"Cesta.txt",
                                 u"řeka.txt", u"rybník.txt", u"Šumava.txt", u"Sad.txt"}) {
        fake.addFile(std::u16string(kMaterialLists) + name, "");
    }
    Kalkulace k(fake, u',');
    k.Nastavit();
    EXPECT_EQ(k.FileListBox1.items,
              (TextList{u"Cesta.txt", u"Čáp.txt", u"Dům.txt", u"hrad.txt", u"chata.txt",
                        u"rybník.txt", u"řeka.txt", u"Sad.txt", u"Šumava.txt"}));
}

TEST(KalkulaceStart, TrialEdition) {
    FakePlatform fake;
    addHostFolders(fake);
    fake.addDirectory(kTrialMaterialLists);
    fake.addDirectory(kTrialPriceLists);
    Kalkulace k(fake, u',');
    k.RadioGroup3 = 0;
    k.Nastavit();
    EXPECT_EQ(k.Edit1, kTrialMaterialLists);
    EXPECT_EQ(k.Edit11, kTrialPriceLists);
    EXPECT_TRUE(fake.messages.empty());
}

TEST(KalkulaceStart, MissingFoldersAreReportedPriceListsFirst) {
    FakePlatform fake;
    fake.setSpecialFolder(platform::kDocuments, kDocuments);
    fake.addFile(u"/start/v startu.txt", "");
    Kalkulace k(fake, u',');
    k.Nastavit();
    EXPECT_EQ(fake.messages, (std::vector<std::u16string>{kFolderOfPriceListsMissing,
                                                          kFolderOfMaterialListsMissing}));
    // The lists keep what they showed: the start directory.
    EXPECT_EQ(k.FileListBox1.items, TextList{u"v startu.txt"});
    EXPECT_EQ(k.Edit1, kMaterialLists);
    expectInitialFigures(k);
}

TEST(KalkulaceStart, OnlyTheMissingFolderIsReported) {
    FakePlatform fake;
    fake.setSpecialFolder(platform::kDocuments, kDocuments);
    fake.addDirectory(kPriceLists);
    Kalkulace k(fake, u',');
    k.Nastavit();
    EXPECT_EQ(fake.messages, std::vector<std::u16string>{kFolderOfMaterialListsMissing});
}

TEST(KalkulaceStart, WithoutDocumentsFolderPathsRunFromTheRoot) {
    FakePlatform fake;
    Kalkulace k(fake, u',');
    k.Nastavit();
    EXPECT_EQ(k.Edit1, u"/Verdigo 2016/Material Lists/");
    EXPECT_EQ(k.Edit11, u"/Verdigo 2016/Price Lists/");
    EXPECT_EQ(fake.messages.size(), 2u);
}

TEST(KalkulaceStart, EditionChangeKeepsTablesButResetsFiguresAndSelection) {
    FakePlatform fake;
    addHostFolders(fake);
    fake.addDirectory(kTrialMaterialLists);
    fake.addDirectory(kTrialPriceLists);
    fake.addFile(std::u16string(kMaterialLists) + u"Zahrada u domu.txt",
                 utf16File(workedExampleText()));
    Kalkulace k(fake, u',');
    k.Nastavit();
    k.FileListBox1.itemIndex = 0;
    k.Prevod();
    ASSERT_TRUE(k.Button15Enabled);
    const TextGrid plants = k.StringGrid2;
    k.RadioGroup3 = 0;
    k.Nastavit();
    EXPECT_EQ(k.FileListBox1.itemIndex, -1);
    EXPECT_TRUE(k.FileListBox1.items.empty());
    EXPECT_EQ(k.StringGrid2, plants);
    expectInitialFigures(k);
    EXPECT_THROW(k.Prevod(), CalcError);
}

struct OfficeFileCase {
    const char* name;
    platform::Bytes content;
    std::u16string path;
};

class OfficePathFile : public ::testing::TestWithParam<OfficeFileCase> {};

TEST_P(OfficePathFile, FirstLineIsTheProgram) {
    FakePlatform fake;
    addHostFolders(fake);
    fake.addFile(kOfficeFile, GetParam().content);
    Kalkulace k(fake, u',');
    k.Nastavit();
    EXPECT_EQ(k.INF_cesta_office, GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, OfficePathFile,
    ::testing::Values(
        OfficeFileCase{"Empty", {}, u""},
        OfficeFileCase{"OneLineNoEnd", bytesOf("/usr/bin/soffice"), u"/usr/bin/soffice"},
        OfficeFileCase{"SeveralLines", bytesOf("C:\\Office\\soffice.exe\r\ndruhý\r\n"),
                       u"C:\\Office\\soffice.exe"},
        OfficeFileCase{"Utf8", bytesOf("/opt/Kancelář 4/soffice\n"), u"/opt/Kancelář 4/soffice"},
        OfficeFileCase{"Utf8WithMark", bytesOf("\xEF\xBB\xBF/opt/Kancelář/soffice\r\n"),
                       u"/opt/Kancelář/soffice"},
        OfficeFileCase{"Windows1250", bytesOf("C:\\Kancel\xE1\xF8\\soffice.exe\r\n"),
                       u"C:\\Kancelář\\soffice.exe"},
        OfficeFileCase{"Utf16", utf16File(u"C:\\Programy\\Kancelář – 4\\soffice.exe\r\nx"),
                       u"C:\\Programy\\Kancelář – 4\\soffice.exe"}),
    [](const auto& info) { return info.param.name; });

TEST(KalkulaceStart, MissingOfficePathFileKeepsTheMark) {
    FakePlatform fake;
    addHostFolders(fake);
    Kalkulace k(fake, u',');
    k.INF_cesta_office = u"jiný";
    k.Nastavit();
    EXPECT_EQ(k.INF_cesta_office, u"0000");
}

TEST(KalkulaceStart, OfficePathFileIsFoundAfterTwoEditionChanges) {
    FakePlatform fake;
    addHostFolders(fake);
    fake.addDirectory(kTrialMaterialLists);
    fake.addDirectory(kTrialPriceLists);
    fake.addFile(kOfficeFile, "/usr/bin/soffice\r\n");
    // Decoys in the host folders that the file lists enter.
    fake.addFile(std::u16string(kMaterialLists) + u"open_office_full_exe_name.txt",
                 "Material Lists");
    fake.addFile(std::u16string(kTrialMaterialLists) + u"open_office_full_exe_name.txt", "Trial");
    Kalkulace k(fake, u',');
    k.Nastavit();
    k.RadioGroup3 = 0;
    k.Nastavit();
    k.RadioGroup3 = 1;
    k.Nastavit();
    EXPECT_EQ(k.INF_cesta_office, u"/usr/bin/soffice");
    EXPECT_EQ(fake.currentDirectory(), u"/home/jana/Dokumenty/Verdigo 2016/Material Lists");
}

TEST(KalkulaceStart, UnreadableOfficePathFileStopsWithItsMessage) {
    FakePlatform fake;
    addHostFolders(fake);
    fake.addFile(kOfficeFile, "x");
    fake.failReading(kOfficeFile, "Access denied");
    Kalkulace k(fake, u',');
    try {
        k.Nastavit();
        FAIL() << "no error";
    } catch (const CalcError& error) {
        EXPECT_STREQ(error.what(), "Access denied");
    }
    EXPECT_EQ(k.INF_cesta_office, u"0000");
    EXPECT_EQ(k.Edit1, kMaterialLists);  // the earlier steps are done
    expectInitialFigures(k);
}

}  // namespace
}  // namespace ek::calc
