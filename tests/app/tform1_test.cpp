// The main window's behaviour without a toolkit: the events as a view reports
// them, on the real platform in a copy of the bundled sample documents, and
// what the view is told to show.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "app/cli_export.h"
#include "app/tform1.h"
#include "calc/categories.h"
#include "recording_view.h"
#include "support/biff_stream.h"
#include "support/cfb_reader.h"
#include "support/recording_automation.h"
#include "support/sample_documents.h"
#include "support/sample_files.h"
#include "support/temporary_folder.h"

namespace ek::test {
namespace {

namespace fs = std::filesystem;

const std::u16string kWorkedExample = u"Zahrada u domu.txt";
const std::u16string kLargerSample = u"Rodinný dům Říčany.txt";

class TForm1Test : public ::testing::Test {
  protected:
    TForm1Test() {
        fs::create_directories(startDirectory());
        // The tool notes the start directory and looks for its OpenOffice path there.
        fs::current_path(startDirectory());
        platform::SystemPlatformOptions options;
        options.documentsFolder = platformPathOf(documents());
        system_ = platform::makeSystemPlatform(std::move(options));
        automation_.registerStandIn(platform::kSpreadsheetProgramId, [log = automationLog] {
            return std::make_unique<RecordingObject>(u"application", log);
        });
    }

    // The window as a view creates it: FormCreate, then the first show.
    app::TForm1& open() {
        form_ = std::make_unique<app::TForm1>(*system_, automation_, u',', view);
        form_->FormCreate();
        form_->FormShow();
        return *form_;
    }
    app::TForm1& form() { return *form_; }
    platform::Platform& system() { return *system_; }

    void clickFile(const std::u16string& name) {
        const calc::TextList& names = view.FileListBox1.names;
        const auto found = std::find(names.begin(), names.end(), name);
        ASSERT_NE(found, names.end());
        form().FileListBox1Click(static_cast<int>(found - names.begin()));
    }

    fs::path documents() const { return samples_.documents(); }
    fs::path startDirectory() const { return samples_.root() / "start"; }
    fs::path materialFolder() const { return samples_.materialLists(); }
    fs::path materialList(const std::u16string& name) const { return materialFolder() / name; }
    fs::path workbook() const { return materialFolder() / "Zahrada u domu.xls"; }
    std::set<fs::path> folderEntries() const {
        std::set<fs::path> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(materialFolder()))
            names.insert(entry.path().filename());
        return names;
    }

    RecordingView view;
    std::shared_ptr<std::vector<AutomationCall>> automationLog =
        std::make_shared<std::vector<AutomationCall>>();

  private:
    SampleDocuments samples_{"ek-window-"};
    const CurrentDirectoryKept currentDirectory_;  // back before the samples go
    std::unique_ptr<platform::Platform> system_;
    platform::Automation automation_;
    std::unique_ptr<app::TForm1> form_;
};

TEST_F(TForm1Test, StartsOnThePlantsTabWithNothingHighlightedAndTheExportOff) {
    open();
    EXPECT_EQ(view.shownTab, 0);
    EXPECT_EQ(view.highlightedTab, -1);
    EXPECT_EQ(view.INF_cena_kategorie, u"0,00");
    EXPECT_EQ(view.INF_celkova_cena, u"0,00");
    EXPECT_FALSE(view.Button15);
    EXPECT_FALSE(view.Button16);
    EXPECT_FALSE(view.Button14);
    EXPECT_EQ(view.RadioGroup2, 2);
    EXPECT_EQ(view.RadioGroup3, 1);
    EXPECT_EQ(view.RadioGroup1, -1);
    EXPECT_EQ(view.FileListBox1.names, (calc::TextList{kLargerSample, kWorkedExample}));
    EXPECT_EQ(view.FileListBox1.selectedRow, -1);
    EXPECT_EQ(view.FileListBox2.names, calc::TextList{u"Základní ceník.lst"});
    EXPECT_EQ(view.watchedFolder, platformPathOf(materialFolder()) + system().separator());
    // Every table is shown, with its header row and 14 empty rows.
    for (std::size_t table = 0; table < calc::kCategoryCount; ++table) {
        EXPECT_EQ(view.table(table).rowCount(), 15) << table;
        EXPECT_EQ(view.table(table).cell(1, 0), form().state().categoryTable(table).cell(1, 0));
    }
    EXPECT_NE(view.tables[app::kPriceListTable], nullptr);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(TForm1Test, PickingAFileFillsTheTablesAndFiguresAndKeepsTheTab) {
    open();
    clickFile(kWorkedExample);
    EXPECT_EQ(view.INF_celkova_cena, u" 13 730,00");
    EXPECT_EQ(view.INF_cena_kategorie, u" 3 750,00");
    EXPECT_TRUE(view.Button15);
    EXPECT_FALSE(view.Button16);
    EXPECT_EQ(view.selectedFile(), kWorkedExample);
    EXPECT_EQ(view.table(0).cell(0, 1), u"1");
    EXPECT_NE(view.table(0).cell(1, 1).find(u"javor babyka"), std::u16string::npos);
    EXPECT_NE(view.table(1).cell(1, 1).find(u"Lavička"), std::u16string::npos);
    EXPECT_EQ(view.shownTab, 0);
    EXPECT_EQ(view.highlightedTab, -1);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(TForm1Test, ATabChangeShowsItsSubtotalAndHighlightsIt) {
    open();
    clickFile(kWorkedExample);
    form().PageControl1Change(3);
    EXPECT_EQ(view.shownTab, 3);
    EXPECT_EQ(view.highlightedTab, 3);
    EXPECT_EQ(view.INF_cena_kategorie, u"0,00");
    form().PageControl1Change(1);
    EXPECT_EQ(view.INF_cena_kategorie, u" 9 000,00");
    EXPECT_EQ(view.highlightedTab, 1);
    EXPECT_EQ(view.INF_celkova_cena, u" 13 730,00");
}

TEST_F(TForm1Test, LeftAndRightInTheFileListMoveTheTabWithinTheFirstSixAndKeepTheFile) {
    open();
    // Without a selected file the tab moves and the key is still the list's.
    EXPECT_FALSE(form().FileListBox1KeyDown(app::TForm1::kVirtualKeyRight));
    EXPECT_EQ(view.shownTab, 1);
    clickFile(kWorkedExample);
    EXPECT_FALSE(form().FileListBox1KeyDown(app::TForm1::kVirtualKeyDown));
    EXPECT_TRUE(form().FileListBox1KeyDown(app::TForm1::kVirtualKeyRight));
    EXPECT_EQ(view.shownTab, 2);
    EXPECT_TRUE(form().FileListBox1KeyDown(app::TForm1::kVirtualKeyLeft));
    EXPECT_EQ(view.shownTab, 1);
    EXPECT_EQ(view.highlightedTab, 1);
    EXPECT_EQ(view.INF_cena_kategorie, u" 9 000,00");
    for (int step = 0; step < 6; ++step)
        form().FileListBox1KeyDown(app::TForm1::kVirtualKeyRight);
    EXPECT_EQ(view.shownTab, 5);
    EXPECT_TRUE(form().FileListBox1KeyDown(app::TForm1::kVirtualKeyLeft));
    EXPECT_EQ(view.shownTab, 4);
    EXPECT_EQ(view.selectedFile(), kWorkedExample);
    EXPECT_EQ(view.INF_celkova_cena, u" 13 730,00");
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(TForm1Test, TheTabKeysGoRoundAllEightTabsAsTheUsersTabChanges) {
    open();
    clickFile(kWorkedExample);
    form().switchTab(-1);  // from the first tab to the last
    EXPECT_EQ(view.shownTab, 7);
    EXPECT_EQ(view.highlightedTab, 7);
    EXPECT_EQ(view.INF_cena_kategorie, u" 0 980,00");
    form().switchTab(1);  // and back round to the first
    EXPECT_EQ(view.shownTab, 0);
    EXPECT_EQ(view.INF_cena_kategorie, u" 3 750,00");
    form().switchTab(1);
    EXPECT_EQ(view.shownTab, 1);
    EXPECT_EQ(view.highlightedTab, 1);
    EXPECT_EQ(view.INF_cena_kategorie, u" 9 000,00");
    // Unlike the arrow keys of the file list, they read nothing again.
    EXPECT_EQ(view.INF_celkova_cena, u" 13 730,00");
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(TForm1Test, ThePlantNameModeReadsAgainAndSortsByTheNameShown) {
    open();
    clickFile(kLargerSample);
    EXPECT_EQ(view.table(0).cell(1, 1), u"Tilia cordata - lípa srdčitá");
    form().RadioGroup2Click(0);
    EXPECT_EQ(view.RadioGroup2, 0);
    EXPECT_EQ(view.table(0).cell(1, 1), u"Acer 'Autumn-Blaze'");
    form().RadioGroup2Click(1);
    EXPECT_EQ(view.table(0).cell(1, 1), u"barvínek menší");
    EXPECT_EQ(view.table(0).cell(1, 2), u"borovice kleč");
    EXPECT_EQ(view.selectedFile(), kLargerSample);
    EXPECT_TRUE(view.Button15);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(TForm1Test, AChangeOfHostEditionResetsFiguresAndButtonsAndListsTheOtherFolder) {
    const fs::path trial = documents() / "Verdigo 2016 Trial";
    fs::create_directories(trial / "Price Lists");
    fs::create_directories(trial / "Material Lists");
    fs::copy_file(materialList(kWorkedExample), trial / "Material Lists" / u"Zkouška.txt");
    open();
    clickFile(kWorkedExample);
    form().PageControl1Change(1);

    form().RadioGroup3Click(0);
    EXPECT_EQ(view.RadioGroup3, 0);
    EXPECT_EQ(view.INF_celkova_cena, u"0,00");
    EXPECT_EQ(view.INF_cena_kategorie, u"0,00");
    EXPECT_FALSE(view.Button15);
    EXPECT_FALSE(view.Button16);
    EXPECT_EQ(view.FileListBox1.names, calc::TextList{u"Zkouška.txt"});
    EXPECT_EQ(view.watchedFolder, platformPathOf(trial / "Material Lists") + system().separator());
    EXPECT_TRUE(view.messages.empty());
    // With the figures the tables go back to nothing: nothing of the last
    // reading stays on screen beside "0,00"; the headers stay readable.
    for (std::size_t table = 0; table < calc::kCategoryCount; ++table) {
        SCOPED_TRACE(table);
        EXPECT_EQ(view.table(table).rowCount(), 1);
        EXPECT_EQ(view.table(table).cell(1, 0), calc::kCategories[table].nameHeader);
        EXPECT_EQ(view.table(table).cell(4, 0), calc::kLineTotalHeader);
    }

    // A missing folder is a foreseen condition: a notice, and the window goes on.
    form().RadioGroup3Click(1);
    fs::remove_all(trial);
    form().RadioGroup3Click(0);
    ASSERT_EQ(view.messageTexts(),
              (std::vector<std::u16string>{u"Složka se seznamem ceníků nebyla nalezena",
                                           u"Složka se seznamem kalkulací nebyla nalezena"}));
    EXPECT_EQ(view.messages[0].kind, app::MessageKind::Notice);
    EXPECT_EQ(view.messages[1].kind, app::MessageKind::Notice);
    form().RadioGroup3Click(1);
    EXPECT_EQ(view.FileListBox1.names.size(), 2u);
    // A reading fills them again.
    clickFile(kWorkedExample);
    EXPECT_EQ(view.table(1).rowCount(), 3);
    EXPECT_EQ(view.INF_celkova_cena, u" 13 730,00");
}

TEST_F(TForm1Test, AnEditionChangeEmptiesTheTablesAlsoBeforeAnyReadingAndWhenTheOfficePathFails) {
    // An OpenOffice path file past the size limit: found, refused unread.
    const fs::path officePath = startDirectory() / "open_office_full_exe_name.txt";
    std::ofstream(officePath).put('x');
    fs::resize_file(officePath, 64ull * 1024 * 1024 + 1);
    open();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.table(0).rowCount(), 15);  // the start is no reset of a reading
    clickFile(kLargerSample);
    form().RadioGroup3Click(1);
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.INF_celkova_cena, u"0,00");
    for (std::size_t table = 0; table < calc::kCategoryCount; ++table)
        EXPECT_EQ(view.table(table).rowCount(), 1) << table;
}

TEST_F(TForm1Test, TheTablesStayWhenThePickedListLeavesItsFolderAndCanStillBeExported) {
    open();
    clickFile(kWorkedExample);
    fs::rename(materialList(kWorkedExample), materialFolder() / u"Přejmenováno.md");
    form().materialFolderChanged();
    EXPECT_EQ(view.FileListBox1.names, calc::TextList{kLargerSample});
    EXPECT_EQ(view.selectedFile(), u"");
    EXPECT_EQ(view.table(0).rowCount(), 3);
    EXPECT_EQ(view.table(1).cell(4, 1), form().state().StringGrid3.cell(4, 1));
    EXPECT_EQ(view.INF_celkova_cena, u" 13 730,00");
    EXPECT_TRUE(view.Button15);
    form().Button15Click();
    EXPECT_TRUE(fs::is_regular_file(workbook()));
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(TForm1Test, FollowingTheFolderKeepsTheSelectedFileAndReadsNothing) {
    open();
    clickFile(kWorkedExample);
    const fs::path current = fs::current_path();
    fs::copy_file(materialList(kWorkedExample), materialFolder() / u"Altán.txt");
    fs::remove(materialList(kLargerSample));
    form().materialFolderChanged();
    EXPECT_EQ(view.FileListBox1.names, (calc::TextList{u"Altán.txt", kWorkedExample}));
    EXPECT_EQ(view.selectedFile(), kWorkedExample);
    EXPECT_EQ(fs::current_path(), current);
    EXPECT_EQ(view.INF_celkova_cena, u" 13 730,00");
    EXPECT_TRUE(view.Button15);
    // The keys read the selected file in its new row.
    EXPECT_TRUE(form().FileListBox1KeyDown(app::TForm1::kVirtualKeyRight));
    EXPECT_EQ(view.INF_cena_kategorie, u" 9 000,00");
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(TForm1Test, ExportXlsWritesTheWorkbookAndEnablesExcelOnly) {
    open();
    clickFile(kWorkedExample);
    form().Button15Click();
    EXPECT_TRUE(view.messages.empty());
    const cfb::File file = cfb::readFile(utf8Of(workbook()));
    EXPECT_EQ(biff::parse(file.streams.at(u"Workbook")).sheets.size(), 3u);
    EXPECT_TRUE(view.Button16);
    EXPECT_TRUE(view.Button15);
    EXPECT_FALSE(view.Button14);  // no OpenOffice program configured

    form().Button16Click();
    ASSERT_EQ(automationLog->size(), 4u);
    const AutomationCall& call = automationLog->back();
    EXPECT_EQ(call.object, u"Workbooks");
    EXPECT_EQ(call.name, u"open");
    ASSERT_EQ(call.arguments.size(), 1u);
    EXPECT_EQ(std::get<std::u16string>(call.arguments[0]), platformPathOf(workbook()));

    // The next reading takes the hand-off away until the next export.
    clickFile(kWorkedExample);
    EXPECT_FALSE(view.Button16);
    EXPECT_TRUE(view.Button15);
}

TEST_F(TForm1Test, WithAnOpenOfficeProgramTheExportEnablesItsButtonUntilTheNextStartUp) {
    std::ofstream(startDirectory() / "open_office_full_exe_name.txt") << "soffice\r\n";
    open();
    clickFile(kWorkedExample);
    EXPECT_FALSE(view.Button14);
    form().Button15Click();
    EXPECT_TRUE(view.Button14);
    form().RadioGroup3Click(0);
    EXPECT_FALSE(view.Button14);
    EXPECT_FALSE(view.Button15);
    EXPECT_FALSE(view.Button16);
}

TEST_F(TForm1Test, TheExportTakesTheTotalAsTyped) {
    open();
    clickFile(kWorkedExample);
    form().INF_celkova_cenaChange(u"dohodou 12 000,00");
    form().Button15Click();
    const cfb::File file = cfb::readFile(utf8Of(workbook()));
    std::set<std::u16string> strings;
    for (const biff::SstString& string : biff::parse(file.streams.at(u"Workbook")).sst.strings)
        strings.insert(string.text);
    EXPECT_TRUE(strings.count(u"dohodou 12 000,00"));
    EXPECT_FALSE(strings.count(u" 13 730,00"));
}

TEST_F(TForm1Test, AFailedSaveIsANoticeLeavesNoFileAndTheNextExportWorks) {
    open();
    clickFile(kWorkedExample);
    // A folder where the workbook belongs: the save cannot put the file there.
    fs::create_directory(workbook());
    const std::set<fs::path> before = folderEntries();
    form().Button15Click();
    ASSERT_EQ(view.messageTexts(),
              std::vector<std::u16string>{u"Soubor \"" + platformPathOf(workbook()) +
                                          u"\" se nepodařilo uložit: pod tímto názvem je "
                                          u"složka."});
    EXPECT_FALSE(view.Button16);
    EXPECT_EQ(folderEntries(), before);

    fs::remove(workbook());
    form().Button15Click();
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_TRUE(fs::is_regular_file(workbook()));
    EXPECT_TRUE(view.Button16);
}

TEST_F(TForm1Test, AFileTooLargeIsANoticeAndTheTablesDoNotKeepTheFileBefore) {
    open();
    clickFile(kWorkedExample);
    const fs::path large = materialFolder() / u"Obří.txt";
    // Sparse: the size is all the limit looks at before reading.
    std::ofstream(large).put('\n');
    fs::resize_file(large, 64ull * 1024 * 1024 + 1);
    form().materialFolderChanged();
    clickFile(u"Obří.txt");
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].kind, app::MessageKind::Notice);
    EXPECT_EQ(view.INF_celkova_cena, u"0,00");
    EXPECT_EQ(view.table(1).rowCount(), 1);
    EXPECT_FALSE(view.Button15);
}

TEST_F(TForm1Test, AnOperationsErrorIsAnErrorMessageAndTheWindowGoesOn) {
    open();
    clickFile(kWorkedExample);
    form().Button15Click();
    // Removed by the host, and picked before the list has caught up.
    fs::remove(materialList(kWorkedExample));
    clickFile(kWorkedExample);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].kind, app::MessageKind::Error);
    EXPECT_FALSE(view.Button15);
    EXPECT_FALSE(view.Button16);
    EXPECT_EQ(view.INF_celkova_cena, u"0,00");
    clickFile(kLargerSample);
    EXPECT_TRUE(view.Button15);
    EXPECT_EQ(view.messages.size(), 1u);
}

// What stops a reading reads the same in the window's message box and on the
// command line's error stream.
TEST_F(TForm1Test, AReadingsMessageIsTheCommandLinesToo) {
    open();
    const std::u16string kBroken = u"Chybný seznam.txt";
    const char16_t* const contents[] = {
        u"P\r\nStavba\r\nZeď\t1\t1,00 Kč\tabc Kč\r\nKonec\r\n",
        u"P\r\nStavba\r\nZeď\t1\t1,00 Kč\t1,00 Kč\r\nStavba\r\nKonec\r\n",
        u"P\r\nZeď\t1\t1,00 Kč\t1,00 Kč\r\n"};
    for (const char16_t* content : contents) {
        SCOPED_TRACE(platform::toUtf8(content));
        const platform::Bytes bytes = utf16File(content);
        std::ofstream(materialList(kBroken), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        form().materialFolderChanged();
        view.messages.clear();
        clickFile(kBroken);
        ASSERT_EQ(view.messages.size(), 1u);
        std::ostringstream out, errors;
        EXPECT_EQ(
            app::runExport({platformPathOf(materialList(kBroken)), 2}, system(), u',', out, errors),
            1);
        EXPECT_EQ(errors.str(), platform::toUtf8(view.messages[0].text) + "\n");
    }
}

TEST_F(TForm1Test, TheDeveloperPanelIsFilledWhenOpenedAndItsButtonsRunTheirSteps) {
    open();
    form().openDeveloperPanel();
    EXPECT_EQ(view.developerPanelOpenings, 1);
    EXPECT_EQ(view.FileListBox2.names, calc::TextList{u"Základní ceník.lst"});
    form().FileListBox2Click(0);
    EXPECT_EQ(view.table(app::kPriceListTable).cell(3, 3), u"450,00");
    form().RadioGroup1Click(0);
    EXPECT_EQ(view.RadioGroup1, 0);
    EXPECT_EQ(view.Label5, platformPathOf(documents()));
    form().Button2Click();  // "Složka pro kalkulace": nothing
    form().Button10Click();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, platformPathOf(fs::current_path()));
    EXPECT_EQ(view.messages[0].kind, app::MessageKind::Information);

    // The single steps of a reading, one by one, build what a pick builds.
    view.messages.clear();
    clickFile(kWorkedExample);
    const calc::Text plants(view.table(0).cell(1, 1));
    form().Button3Click();
    form().Button4Click();
    form().Button7Click();
    form().Button5Click();
    EXPECT_EQ(view.table(0).cell(1, 1), plants);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(TForm1Test, ZavritClosesTheWindowWithoutAQuestion) {
    open();
    form().Button1Click();
    EXPECT_TRUE(view.closed);
    EXPECT_TRUE(view.messages.empty());
}

}  // namespace
}  // namespace ek::test
