// The export button's enabling rules and the hand-off of the exported file:
// the automation sequence, the OpenOffice copy and start, the folder probes.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "calc/kalkulace.h"
#include "export/export.h"
#include "platform/automation.h"
#include "scratch_folder.h"
#include "support/fake_platform.h"
#include "support/reading_fixture.h"
#include "support/sample_files.h"

namespace ek::exporter {
namespace {

using namespace ek::test;
using platform::AutomationObject;
using platform::AutomationValue;

// What the fake automation objects were asked, in order.
using CallLog = std::vector<std::string>;

std::string textOf(const AutomationValue& value) {
    if (const bool* flag = std::get_if<bool>(&value))
        return *flag ? "true" : "false";
    if (const std::int32_t* number = std::get_if<std::int32_t>(&value))
        return std::to_string(*number);
    return platform::toUtf8(std::get<std::u16string>(value));
}

// An automation object that logs its calls and its release under its name.
class LoggingObject final : public AutomationObject {
  public:
    LoggingObject(CallLog& log, std::string name) : log_(log), name_(std::move(name)) {}
    ~LoggingObject() override { log_.push_back("release " + name_); }

    void put(const std::u16string& property, const AutomationValue& value) override {
        log_.push_back(name_ + " put " + platform::toUtf8(property) + " " + textOf(value));
    }
    std::unique_ptr<AutomationObject> get(const std::u16string& property) override {
        log_.push_back(name_ + " get " + platform::toUtf8(property));
        return std::make_unique<LoggingObject>(log_, platform::toUtf8(property));
    }
    void call(const std::u16string& method,
              const std::vector<AutomationValue>& arguments) override {
        std::string entry = name_ + " call " + platform::toUtf8(method);
        for (const AutomationValue& argument : arguments)
            entry += " " + textOf(argument);
        log_.push_back(entry);
    }

  private:
    CallLog& log_;
    std::string name_;
};

constexpr char16_t kFolder[] = u"/home/jana/Dokumenty/Verdigo 2016/Material Lists/";
constexpr char16_t kExport[] =
    u"/home/jana/Dokumenty/Verdigo 2016/Material Lists/Zahrada u domu.xls";
constexpr char16_t kCopy[] = u"/start/oo_Zahrada_u_domu.xls";
constexpr char16_t kOffice[] = u"/opt/Open Office 4/program/soffice";

class HandOff : public ::testing::Test {
  protected:
    HandOff() : k(fake, u','), exporter(k, automation) {
        k.Edit1 = kFolder;
        k.INF_jmeno_souboru = u"Zahrada u domu";
        k.INF_cesta_office = kOffice;
        int created = 0;
        automation.registerStandIn(platform::kSpreadsheetProgramId, [this, created]() mutable {
            ++created;
            log.push_back("create application" + std::to_string(created));
            return std::make_unique<LoggingObject>(log, "application" + std::to_string(created));
        });
    }

    FakePlatform fake;
    calc::Kalkulace k;
    platform::Automation automation;
    CallLog log;
    Export exporter;
};

TEST_F(HandOff, OpeningInTheSpreadsheetProgramSendsTheAutomationSequence) {
    exporter.Button16Click();
    EXPECT_EQ(log, (CallLog{
                       "create application1",
                       "application1 put Visible true",
                       "application1 put DisplayAlerts true",
                       "application1 get Workbooks",
                       "Workbooks call open " + platform::toUtf8(kExport),
                       "release Workbooks",
                   }));
    EXPECT_NE(exporter.excelApplication(), nullptr);
}

TEST_F(HandOff, ASecondRunReplacesTheApplicationObjectAndTheLastIsReleasedAtTheEnd) {
    {
        Export owner(k, automation);
        owner.Button16Click();
        log.clear();
        owner.Button16Click();
        EXPECT_EQ(log, (CallLog{
                           "create application2",
                           "release application1",  // only once the new one exists
                           "application2 put Visible true",
                           "application2 put DisplayAlerts true",
                           "application2 get Workbooks",
                           "Workbooks call open " + platform::toUtf8(kExport),
                           "release Workbooks",
                       }));
        log.clear();
    }
    EXPECT_EQ(log, CallLog{"release application2"});
}

TEST_F(HandOff, AMissingSpreadsheetProgramIsReportedWithItsIdentifier) {
    platform::Automation none;
    none.registerStandIn(platform::kSpreadsheetProgramId, [] { return nullptr; });
    Export owner(k, none);
    try {
        owner.Button16Click();
        FAIL() << "no error";
    } catch (const platform::AutomationError& error) {
#ifndef _WIN32
        EXPECT_STREQ(error.what(), "Třída není registrována, ProgID: \"Excel.Application\"");
#else
        EXPECT_TRUE(std::string(error.what()).ends_with(", ProgID: \"Excel.Application\""));
#endif
    }
    EXPECT_EQ(owner.excelApplication(), nullptr);
    EXPECT_TRUE(fake.started.empty());
}

// ------------------------------------------------------------ OpenOffice

class OpenOffice : public HandOff {
  protected:
    OpenOffice() {
        fake.addFile(kExport, "new export");
        fake.addFile(kOffice, "program");
    }
    std::string copyContent() const {
        const platform::Bytes* copy = fake.file(kCopy);
        return copy ? std::string(copy->begin(), copy->end()) : "(no copy)";
    }
};

TEST_F(OpenOffice, CopiesUnderTheUnderscoredNameAndStartsTheProgramOnIt) {
    exporter.Button14Click();
    EXPECT_EQ(copyContent(), "new export");
    ASSERT_EQ(fake.started.size(), 1u);
    // The blanks in the program's path stay its own; the copy is one argument.
    EXPECT_EQ(fake.started[0].program, kOffice);
    EXPECT_EQ(fake.started[0].arguments, std::vector<platform::Path>{u"oo_Zahrada_u_domu.xls"});
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(OpenOffice, OnlyBlanksOfTheNameBecomeUnderscores) {
    k.INF_jmeno_souboru = u"Dvůr  a\tsad-2";
    fake.addFile(u"/home/jana/Dokumenty/Verdigo 2016/Material Lists/Dvůr  a\tsad-2.xls", "x");
    exporter.Button14Click();
    ASSERT_EQ(fake.started.size(), 1u);
    EXPECT_EQ(fake.started[0].arguments, std::vector<platform::Path>{u"oo_Dvůr__a\tsad-2.xls"});
}

TEST_F(OpenOffice, AnEarlierReadOnlyCopyIsReplaced) {
    fake.addFile(kCopy, "old copy");
    fake.readOnly.insert(kCopy);
    exporter.Button14Click();
    EXPECT_EQ(copyContent(), "new export");
    EXPECT_EQ(fake.started.size(), 1u);
}

TEST_F(OpenOffice, ACopyThatCannotBeDeletedStopsWithTheInputOutputError) {
    struct StubbornPlatform : FakePlatform {
        void deleteFile(const platform::Path&) override {
            throw platform::IoError("Access denied");
        }
    } stubborn;
    stubborn.addFile(kExport, "new export");
    stubborn.addFile(kOffice, "program");
    stubborn.addFile(kCopy, "old copy");
    calc::Kalkulace state(stubborn, u',');
    state.Edit1 = kFolder;
    state.INF_jmeno_souboru = u"Zahrada u domu";
    state.INF_cesta_office = kOffice;
    Export owner(state, automation);
    EXPECT_THROW(owner.Button14Click(), platform::IoError);
    const platform::Bytes* copy = stubborn.file(kCopy);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(std::string(copy->begin(), copy->end()), "old copy");
    EXPECT_TRUE(stubborn.started.empty());
}

TEST_F(OpenOffice, AMissingExportGivesNoCopyAndStartsNothing) {
    fake.removeFile(kExport);
    exporter.Button14Click();
    EXPECT_EQ(fake.messages, std::vector<std::u16string>{
                                 u"Soubor \"oo_Zahrada_u_domu.xls\" se nepodařilo zkopírovat."});
    EXPECT_EQ(copyContent(), "(no copy)");
    EXPECT_TRUE(fake.started.empty());
}

TEST_F(OpenOffice, AMissingProgramIsReportedAndTheCopyStays) {
    fake.removeFile(kOffice);
    exporter.Button14Click();
    EXPECT_EQ(fake.messages,
              std::vector<std::u16string>{u"Tabulkový program OpenOffice v souboru "
                                          u"\"open_office_full_exe_name.txt\" neexistuje"});
    EXPECT_EQ(copyContent(), "new export");
    EXPECT_TRUE(fake.started.empty());
}

TEST_F(OpenOffice, AProgramThatDoesNotStartIsReported) {
    struct RefusingPlatform : FakePlatform {
        bool startProcess(const platform::Path&, const std::vector<platform::Path>&) override {
            return false;
        }
    } refusing;
    refusing.addFile(kExport, "new export");
    refusing.addFile(kOffice, "program");
    calc::Kalkulace state(refusing, u',');
    state.Edit1 = kFolder;
    state.INF_jmeno_souboru = u"Zahrada u domu";
    state.INF_cesta_office = kOffice;
    Export owner(state, automation);
    owner.Button14Click();
    EXPECT_EQ(refusing.messages,
              std::vector<std::u16string>{u"Tabulkový program OpenOffice se nepodařilo spustit."});
}

TEST_F(OpenOffice, CopyingOnlyReplacesAnEarlierCopyAndStartsNothing) {
    fake.addFile(kCopy, "old copy");
    exporter.Button17Click();
    EXPECT_EQ(copyContent(), "new export");
    EXPECT_TRUE(fake.started.empty());
    EXPECT_TRUE(fake.messages.empty());

    fake.removeFile(kExport);
    exporter.Button17Click();
    EXPECT_EQ(fake.messages, std::vector<std::u16string>{
                                 u"Soubor \"oo_Zahrada_u_domu.xls\" se nepodařilo zkopírovat."});
}

// ------------------------------------------------------------ folder probes

TEST_F(HandOff, FolderProbesShowTheChosenFolderOrNothing) {
    fake.setSpecialFolder(platform::kDocuments, u"/home/jana/Dokumenty");
    fake.setSpecialFolder(platform::kCommonAppData, u"/usr/local/share");
    fake.setSpecialFolder(platform::kLocalAppData, u"/home/jana/.local/share");
    fake.setSpecialFolder(platform::kProgramFiles, u"/usr/bin");
    const std::u16string expected[] = {u"/home/jana/Dokumenty", u"/usr/local/share",
                                       u"/home/jana/.local/share", u"/usr/bin", u""};
    for (int item = 0; item < 5; ++item) {
        exporter.Label5 = u"(old)";
        exporter.RadioGroup1 = item;
        exporter.RadioGroup1Click();
        EXPECT_EQ(exporter.Label5, expected[item]) << item;
    }
    exporter.Label5 = u"(old)";
    exporter.RadioGroup1 = -1;
    exporter.RadioGroup1Click();
    EXPECT_EQ(exporter.Label5, u"(old)");
    exporter.Button18Click();
    EXPECT_EQ(exporter.Label5, u"/home/jana/Dokumenty");
}

// ------------------------------------------------------------ "Export XLS"

class ExportButton : public ReadingFixture {
  protected:
    ExportButton() : exporter(k, automation) {}
    void SetUp() override {
        pick(u"Zahrada u domu.txt", workedExampleText());
        k.Prevod();
        k.Edit1 = scratch.folderText();
        ASSERT_TRUE(fake.messages.empty());
    }

    platform::Automation automation;
    Export exporter;
    ScratchFolder scratch;
};

TEST_F(ExportButton, ASavedExportEnablesTheHandOff) {
    struct Case {
        std::u16string officePath;
        bool openOfficeEnabled;
    };
    for (const Case& c :
         {Case{u"0000", false}, Case{u"/opt/office/soffice", true}, Case{u"", true}}) {
        k.INF_cesta_office = c.officePath;
        k.Button14Enabled = k.Button16Enabled = false;
        EXPECT_TRUE(exporter.Button15Click());
        EXPECT_TRUE(k.Button16Enabled);
        EXPECT_EQ(k.Button14Enabled, c.openOfficeEnabled);
    }
    EXPECT_TRUE(std::filesystem::exists(scratch.path() / "Zahrada u domu.xls"));
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(ExportButton, AFailedSaveIsReportedAndKeepsTheHandOffDisabled) {
    k.INF_cesta_office = u"/opt/office/soffice";
    ASSERT_TRUE(exporter.Button15Click());
    k.Edit1 = scratch.folderText() + u"chybí/";
    EXPECT_FALSE(exporter.Button15Click());
    EXPECT_EQ(fake.messages, std::vector<std::u16string>{u"Soubor \"" + k.Edit1 +
                                                         u"Zahrada u domu.xls\" se nepodařilo "
                                                         u"uložit: složka neexistuje."});
    EXPECT_FALSE(k.Button16Enabled);
    EXPECT_FALSE(k.Button14Enabled);
}

TEST_F(ExportButton, AnExportStoppedByALimitShowsOnlyItsOwnMessage) {
    k.StringGrid2.setCell(1, 1, std::u16string(40000, u'x'));
    EXPECT_FALSE(exporter.Button15Click());
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_TRUE(fake.messages[0].starts_with(u"Text na listu \"Kalkulace rostlin\", řádek 3,"));
    EXPECT_FALSE(k.Button16Enabled);
    EXPECT_TRUE(std::filesystem::is_empty(scratch.path()));
}

}  // namespace
}  // namespace ek::exporter
