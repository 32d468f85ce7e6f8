// "Export XLS" and the hand-off buttons of the main window, driven by clicks:
// the workbook on disk, the enabling rules, the save-failure message.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/window/developer_panel.h"
#include "app/window/texts.h"
#include "support/biff_stream.h"
#include "support/cfb_reader.h"
#include "support/window_fixture.h"

namespace ek::test {
namespace {

namespace fs = std::filesystem;

class TForm1ExportTest : public WindowTest {
  protected:
    bool enabled(const char* name) const { return control<QPushButton>(name)->isEnabled(); }
    bool openOfficeEnabled() const { return form->openDeveloperPanel()->Button14->isEnabled(); }
    fs::path workbook() const { return materialFolder() / "Zahrada u domu.xls"; }
    std::set<std::string> folderEntries() const {
        std::set<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(materialFolder()))
            names.insert(entry.path().filename().string());
        return names;
    }
    // Sheet names and shared strings of the saved workbook.
    biff::ParsedWorkbook savedWorkbook() const {
        const cfb::File file = cfb::readFile(workbook().string());
        return biff::parse(file.streams.at(u"Workbook"));
    }
    void configureOpenOffice(const std::string& program) {
        std::ofstream(startDirectory() / "open_office_full_exe_name.txt") << program << "\r\n";
    }
};

TEST_F(TForm1ExportTest, ExportXlsWritesTheWorkbookAndEnablesExcelOnly) {
    openWindow();
    clickFile(QString::fromUtf8(kWorkedExample));
    clickButton("Button15");
    EXPECT_TRUE(catcher->messages.empty());
    ASSERT_TRUE(fs::exists(workbook()));
    const biff::ParsedWorkbook saved = savedWorkbook();
    ASSERT_EQ(saved.sheets.size(), 3u);  // plants, garden objects, symbols
    EXPECT_TRUE(enabled("Button16"));
    EXPECT_TRUE(enabled("Button15"));
    // No OpenOffice program is configured.
    EXPECT_FALSE(openOfficeEnabled());

    clickButton("Button16");
    ASSERT_EQ(automationLog->size(), 4u);
    const AutomationCall& open = automationLog->back();
    EXPECT_EQ(open.object, u"Workbooks");
    EXPECT_EQ(open.name, u"open");
    ASSERT_EQ(open.arguments.size(), 1u);
    EXPECT_EQ(std::get<std::u16string>(open.arguments[0]), workbook().u16string());

    // The next reading takes the hand-off away until the next export.
    clickFile(QString::fromUtf8(kWorkedExample));
    EXPECT_FALSE(enabled("Button16"));
    EXPECT_TRUE(enabled("Button15"));
}

TEST_F(TForm1ExportTest, WithAnOpenOfficeProgramConfiguredTheExportEnablesItsButtonToo) {
    configureOpenOffice("/usr/bin/true");
    openWindow();
    clickFile(QString::fromUtf8(kWorkedExample));
    EXPECT_FALSE(openOfficeEnabled());
    clickButton("Button15");
    EXPECT_TRUE(openOfficeEnabled());
    EXPECT_TRUE(enabled("Button16"));
    // A change of host edition takes everything back.
    clickRadio("RadioGroup3", 0);
    EXPECT_FALSE(openOfficeEnabled());
    EXPECT_FALSE(enabled("Button16"));
    EXPECT_FALSE(enabled("Button15"));
}

TEST_F(TForm1ExportTest, TheExportTakesTheTotalAsTyped) {
    openWindow();
    clickFile(QString::fromUtf8(kWorkedExample));
    auto* total = control<QLineEdit>("INF_celkova_cena");
    total->selectAll();
    QTest::keyClicks(total, QStringLiteral("dohodou 12 000,00"));
    clickButton("Button15");
    const biff::ParsedWorkbook saved = savedWorkbook();
    const auto& strings = saved.sst.strings;
    EXPECT_TRUE(std::any_of(strings.begin(), strings.end(), [](const biff::SstString& string) {
        return string.text == u"dohodou 12 000,00";
    }));
    EXPECT_TRUE(std::none_of(strings.begin(), strings.end(), [](const biff::SstString& string) {
        return string.text == u" 13 730,00";
    }));
}

TEST_F(TForm1ExportTest, AFailingSaveShowsItsMessageAndTheWindowStaysUsable) {
    openWindow();
    clickFile(QString::fromUtf8(kWorkedExample));
    // A folder where the workbook belongs: the save cannot put the file there.
    fs::create_directory(workbook());
    const std::set<std::string> before = folderEntries();
    clickButton("Button15");
    ASSERT_EQ(catcher->messages.size(), 1u);
    EXPECT_EQ(catcher->messages[0].title, app::kApplicationTitle.toString());
    EXPECT_EQ(catcher->messages[0].text,
              QStringLiteral("Soubor \"%1\" se nepodařilo uložit.")
                  .arg(QString::fromStdU16String(workbook().u16string())));
    EXPECT_FALSE(enabled("Button16"));
    EXPECT_FALSE(openOfficeEnabled());
    EXPECT_EQ(folderEntries(), before);  // no temporary file left

    fs::remove(workbook());
    catcher->messages.clear();
    clickButton("Button15");
    EXPECT_TRUE(catcher->messages.empty());
    EXPECT_TRUE(fs::is_regular_file(workbook()));
    EXPECT_TRUE(enabled("Button16"));
}

TEST_F(TForm1ExportTest, AFileThatVanishesBeforeItsReadingIsAMessageAndLeavesTheExportOff) {
    openWindow();
    clickFile(QString::fromUtf8(kWorkedExample));
    clickButton("Button15");
    // Removed by the host, and picked before the list has caught up.
    fs::remove(materialFolder() / kWorkedExample);
    clickFile(QString::fromUtf8(kWorkedExample));
    ASSERT_EQ(catcher->messages.size(), 1u);
    EXPECT_EQ(catcher->messages[0].title, app::kApplicationTitle.toString());
    EXPECT_FALSE(enabled("Button15"));
    EXPECT_FALSE(enabled("Button16"));
    EXPECT_EQ(control<QLineEdit>("INF_celkova_cena")->text(), QStringLiteral("0,00"));
    clickFile(QString::fromUtf8(kLargerSample));
    EXPECT_TRUE(enabled("Button15"));
    EXPECT_EQ(catcher->messages.size(), 1u);
}

}  // namespace
}  // namespace ek::test
