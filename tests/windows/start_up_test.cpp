// Start-up on Windows: the shell's special folders, the host folders formed
// from the documents folder with "\" separators, the file lists, and the
// reading of the bundled worked example through the wide-character calls.

#include <shlobj.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/kalkulace.h"
#include "platform/platform.h"
#include "platform/unicode.h"
#include "support/host_path.h"
#include "support/scratch_folder.h"

namespace ek::test {
namespace {

using platform::Path;

// The documents folder as the newer shell call gives it: an oracle that does
// not go through SHGetFolderPathW.
Path knownDocumentsFolder() {
    wchar_t* folder = nullptr;
    Path path;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &folder)))
        path.assign(folder, folder + ::wcslen(folder));
    ::CoTaskMemFree(folder);
    return path;
}

bool isDrivePath(const Path& path) {
    return path.size() >= 3 && path[1] == u':' && path[2] == u'\\';
}

// Keeps the current directory of the test process as it was.
class StartUpTest : public ::testing::Test {
  protected:
    void SetUp() override { start_ = probe_->currentDirectory(); }
    void TearDown() override { probe_->setCurrentDirectory(start_); }

    // A platform whose messages are collected in messages_.
    std::unique_ptr<platform::Platform> platformWith(Path documents) {
        platform::SystemPlatformOptions options;
        options.documentsFolder = std::move(documents);
        options.messageSink = [this](const std::u16string& text) { messages_.push_back(text); };
        return platform::makeSystemPlatform(std::move(options));
    }

    std::unique_ptr<platform::Platform> probe_ = platform::makeSystemPlatform();
    Path start_;
    std::vector<std::u16string> messages_;
};

TEST_F(StartUpTest, SpecialFoldersAreExistingDrivePathsWithoutTrailingSeparator) {
    for (const int id : {platform::kDocuments, platform::kLocalAppData, platform::kCommonAppData,
                         platform::kProgramFiles, platform::kCommonDocuments}) {
        SCOPED_TRACE(id);
        const Path folder = probe_->specialFolder(id);
        EXPECT_TRUE(isDrivePath(folder)) << platform::toUtf8(folder);
        EXPECT_NE(folder.back(), u'\\');
        EXPECT_TRUE(probe_->directoryExists(folder));
    }
    EXPECT_EQ(probe_->specialFolder(platform::kDocuments), knownDocumentsFolder());
}

TEST_F(StartUpTest, AFolderTheSystemDoesNotHaveIsEmptyText) {
    EXPECT_EQ(probe_->specialFolder(0x7E), u"");  // no CSIDL has this number
    EXPECT_EQ(probe_->specialFolder(-1), u"");
}

TEST_F(StartUpTest, ARelativeDocumentsFolderIsTakenFromTheStartDirectory) {
    EXPECT_EQ(platformWith(u"samples\\Documents")->specialFolder(platform::kDocuments),
              start_ + u"\\samples\\Documents");
    EXPECT_EQ(platformWith(u"D:\\Dokumenty")->specialFolder(platform::kDocuments),
              u"D:\\Dokumenty");
}

TEST_F(StartUpTest, HostFoldersAreFormedWithBackslashesForBothEditions) {
    const ScratchFolder scratch;
    const Path documents = scratch.makeFolder(u"Dokumenty");
    const auto system = platformWith(documents);
    calc::Kalkulace state(*system, u',');
    state.Nastavit();  // full edition at start
    EXPECT_EQ(state.Edit1, documents + u"\\Verdigo 2016\\Material Lists\\");
    EXPECT_EQ(state.Edit11, documents + u"\\Verdigo 2016\\Price Lists\\");
    state.RadioGroup3 = 0;
    state.Nastavit();
    EXPECT_EQ(state.Edit1, documents + u"\\Verdigo 2016 Trial\\Material Lists\\");
    EXPECT_EQ(state.Edit11, documents + u"\\Verdigo 2016 Trial\\Price Lists\\");
    // Neither folder exists: both messages, price lists first, on each run.
    const std::u16string prices = u"Složka se seznamem ceníků nebyla nalezena";
    const std::u16string lists = u"Složka se seznamem kalkulací nebyla nalezena";
    EXPECT_EQ(messages_, (std::vector<std::u16string>{prices, lists, prices, lists}));
}

TEST_F(StartUpTest, TheSystemDocumentsFolderLeadsTheHostFolders) {
    const auto system = platformWith({});
    calc::Kalkulace state(*system, u',');
    state.Nastavit();
    const Path documents = knownDocumentsFolder();
    ASSERT_FALSE(documents.empty());
    EXPECT_EQ(state.Edit1, documents + u"\\Verdigo 2016\\Material Lists\\");
    EXPECT_EQ(state.Edit11, documents + u"\\Verdigo 2016\\Price Lists\\");
}

TEST_F(StartUpTest, TheSampleFoldersAreListedAndEntered) {
    const Path documents = hostPath(EK_SOURCE_DIR "/samples/Documents");
    const auto system = platformWith(documents);
    calc::Kalkulace state(*system, u',');
    state.Nastavit();
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(state.FileListBox1.items,
              (calc::TextList{u"Rodinný dům Říčany.txt", u"Zahrada u domu.txt"}));
    EXPECT_EQ(state.FileListBox2.items, (calc::TextList{u"Základní ceník.lst"}));
    // The material-list folder is entered last.
    EXPECT_EQ(system->currentDirectory() + u"\\", state.Edit1);
    EXPECT_EQ(state.INF_cesta_office, u"0000");
}

TEST_F(StartUpTest, TheWorkedExampleReadsAsOnEverySystem) {
    const auto system = platformWith(hostPath(EK_SOURCE_DIR "/samples/Documents"));
    calc::Kalkulace state(*system, u',');
    state.Nastavit();
    const calc::TextList& files = state.FileListBox1.items;
    state.FileListBox1.itemIndex = 1;
    ASSERT_EQ(files.at(1), u"Zahrada u domu.txt");
    state.Prevod();

    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(state.ListBox1.size(), 8u);
    EXPECT_EQ(state.INF_jmeno_souboru, u"Zahrada u domu");
    EXPECT_EQ(state.StringGrid1.cell(1, 3), u"Položka 1 Acer campestre - javor babyka;");
    EXPECT_EQ(state.StringGrid1.cell(3, 3), u"1\u00A0250,00 Kč");
    const calc::TextGrid& plants = state.categoryTable(0);
    ASSERT_EQ(plants.rowCount(), 3);
    EXPECT_EQ(plants.row(1), (std::vector<calc::Text>{u"1", u"Acer campestre - javor babyka", u"3",
                                                      u"1250,00", u"3750,00"}));
    EXPECT_EQ(plants.cell(4, 2), u" 3 750,00");
    EXPECT_EQ(state.INF_celkem, u"1373000");
    EXPECT_EQ(state.INF_celkova_cena, u" 13 730,00");
    EXPECT_TRUE(state.Button15Enabled);
}

}  // namespace
}  // namespace ek::test
