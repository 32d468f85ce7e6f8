// Creating automation objects by identifier and the spreadsheet stand-in.

#include "platform/automation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/unicode.h"
#include "support/fake_platform.h"

namespace ek::platform {
namespace {

using test::FakePlatform;

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const AutomationError& error) {
        return error.what();
    }
    return "(no error)";
}

#ifndef _WIN32
// The system automation of Linux serves the identifier by the stand-in;
// Windows asks COM instead (tests/windows check its failure without Excel).

// A locator that knows only the programs given, at "/usr/bin/<name>".
ProgramLocator knowing(std::vector<Path> programs) {
    return [programs](const Path& name) -> std::optional<Path> {
        for (const Path& program : programs) {
            if (program == name)
                return u"/usr/bin/" + name;
        }
        return std::nullopt;
    };
}

// Opening a workbook through the stand-in the way the hand-off does.
void openThroughStandIn(Automation& automation, const Path& path) {
    auto application = automation.create(kSpreadsheetProgramId);
    application->put(u"Visible", true);
    application->put(u"DisplayAlerts", true);
    application->get(u"Workbooks")->call(u"open", {path});
}

TEST(SpreadsheetStandIn, StartsTheFirstProgramFoundWithThePathAsOneArgument) {
    struct Case {
        std::vector<Path> installed;
        Path program;
        std::vector<Path> arguments;
    };
    const Path file = u"/home/u/Material Lists/Zahrada u domu.xls";
    const Case cases[] = {
        {{u"soffice", u"localc", u"xdg-open"}, u"/usr/bin/soffice", {u"--calc", file}},
        {{u"localc", u"xdg-open"}, u"/usr/bin/localc", {file}},
        {{u"xdg-open"}, u"/usr/bin/xdg-open", {file}},
    };
    for (const Case& c : cases) {
        FakePlatform platform;
        platform.addFile(file, "workbook");
        auto automation = makeSystemAutomation(platform, knowing(c.installed));
        openThroughStandIn(*automation, file);
        ASSERT_EQ(platform.started.size(), 1u);
        EXPECT_EQ(platform.started[0].program, c.program);
        EXPECT_EQ(platform.started[0].arguments, c.arguments);
    }
}

TEST(SpreadsheetStandIn, WithoutAnyProgramTheClassIsNotRegistered) {
    FakePlatform platform;
    auto automation = makeSystemAutomation(platform, knowing({}));
    EXPECT_EQ(messageOf([&] { automation->create(kSpreadsheetProgramId); }),
              "Třída není registrována, ProgID: \"Excel.Application\"");
}
#endif

TEST(SpreadsheetStandIn, RecordsVisibleAndDisplayAlerts) {
    FakePlatform platform;
    SpreadsheetStandIn application(platform, u"/usr/bin/localc", {});
    EXPECT_FALSE(application.visible());
    EXPECT_TRUE(application.displayAlerts());
    application.put(u"Visible", true);
    application.put(u"DisplayAlerts", false);
    EXPECT_TRUE(application.visible());
    EXPECT_FALSE(application.displayAlerts());
    // Names are matched without regard to case; numbers count as truth values.
    application.put(u"visible", std::int32_t{0});
    EXPECT_FALSE(application.visible());
}

TEST(SpreadsheetStandIn, FailedCallsRaiseErrorsAndStartNothing) {
    FakePlatform platform;
    platform.addFile(u"/d/a.xls", "workbook");
    SpreadsheetStandIn application(platform, u"/usr/bin/localc", {});
    EXPECT_EQ(messageOf([&] { application.put(u"Caption", true); }), "Neznámý název");
    EXPECT_EQ(messageOf([&] { application.put(u"Visible", u"ano"); }), "Neshoda typů");
    EXPECT_EQ(messageOf([&] { application.get(u"Sheets"); }), "Neznámý název");
    auto workbooks = application.get(u"Workbooks");
    EXPECT_EQ(messageOf([&] { workbooks->call(u"close", {}); }), "Neznámý název");
    EXPECT_EQ(messageOf([&] { workbooks->call(u"open", {}); }), "Neplatný počet parametrů");
    EXPECT_EQ(messageOf([&] { workbooks->call(u"open", {true}); }), "Neshoda typů");
    EXPECT_EQ(messageOf([&] { workbooks->call(u"open", {u"/d/missing.xls"}); }),
              "Soubor \"/d/missing.xls\" nebyl nalezen.");
    EXPECT_TRUE(platform.started.empty());
}

TEST(SpreadsheetStandIn, AProgramThatCannotStartIsReported) {
    struct RefusingPlatform : FakePlatform {
        bool startProcess(const Path&, const std::vector<Path>&) override { return false; }
    } platform;
    platform.addFile(u"/d/a.xls", "workbook");
    SpreadsheetStandIn application(platform, u"/opt/lo/localc", {});
    EXPECT_EQ(messageOf([&] { application.get(u"Workbooks")->call(u"Open", {u"/d/a.xls"}); }),
              "Tabulkový program \"/opt/lo/localc\" se nepodařilo spustit.");
}

// An object that records the calls made on it, for the registry tests.
struct RecordingObject : AutomationObject {
    explicit RecordingObject(int* created) { ++*created; }
    void put(const std::u16string&, const AutomationValue&) override {}
    std::unique_ptr<AutomationObject> get(const std::u16string&) override { return nullptr; }
    void call(const std::u16string&, const std::vector<AutomationValue>&) override {}
};

TEST(Automation, RegisteredStandInsServeTheirIdentifierOnly) {
    Automation automation;
    int created = 0;
    automation.registerStandIn(u"Test.Object",
                               [&] { return std::make_unique<RecordingObject>(&created); });
    EXPECT_NE(automation.create(u"Test.Object"), nullptr);
    EXPECT_NE(automation.create(u"Test.Object"), nullptr);
    EXPECT_EQ(created, 2);  // a new object on every creation
#ifndef _WIN32
    EXPECT_EQ(messageOf([&] { automation.create(u"Other.Object"); }),
              "Třída není registrována, ProgID: \"Other.Object\"");
#endif
}

TEST(Automation, AStandInThatIsNotAvailableIsNotRegistered) {
    Automation automation;
    automation.registerStandIn(u"Test.Object", [] { return nullptr; });
    const std::string message = messageOf([&] { automation.create(u"Test.Object"); });
    EXPECT_TRUE(message.ends_with(", ProgID: \"Test.Object\"")) << message;
}

#ifndef _WIN32
// The PATH search on a scratch folder: only executable files count.
TEST(FindProgramOnPath, FindsExecutableFilesInPathOrder) {
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "ek-automation-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path root(pattern);
    fs::create_directories(root / "a");
    fs::create_directories(root / "b");
    fs::create_directories(root / "a" / "folder-program");
    std::ofstream(root / "a" / "plain") << "text";
    std::ofstream(root / "b" / "plain") << "#!/bin/sh\n";
    std::ofstream(root / "b" / "tool") << "#!/bin/sh\n";
    fs::permissions(root / "b" / "plain", fs::perms::owner_all);
    fs::permissions(root / "b" / "tool", fs::perms::owner_all);

    const char* saved = std::getenv("PATH");
    const std::string oldPath = saved ? saved : "";
    ::setenv("PATH", ((root / "a").string() + ":" + (root / "b").string()).c_str(), 1);
    const auto found = [](const char16_t* name) {
        return findProgramOnPath(name).value_or(u"(none)");
    };
    EXPECT_EQ(found(u"tool"), fromUtf8((root / "b" / "tool").string()));
    EXPECT_EQ(found(u"plain"),
              fromUtf8((root / "b" / "plain").string()));  // a/plain: not executable
    EXPECT_EQ(found(u"folder-program"), u"(none)");
    EXPECT_EQ(found(u"missing"), u"(none)");
    EXPECT_EQ(found(u""), u"(none)");
    EXPECT_EQ(findProgramOnPath(fromUtf8((root / "b" / "tool").string())),
              fromUtf8((root / "b" / "tool").string()));
    ::setenv("PATH", oldPath.c_str(), 1);
    fs::remove_all(root);
}
#endif

}  // namespace
}  // namespace ek::platform
