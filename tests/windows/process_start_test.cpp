// Starting a program with an argument vector on Windows: the command line is
// quoted so that the program, even under a path with blanks, gets exactly the
// arguments given, and no other program is started in its place.

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "platform/unicode.h"
#include "support/host_path.h"
#include "support/scratch_folder.h"

namespace ek::test {
namespace {

using platform::Path;

// What the helper program wrote: its own path and its arguments.
struct Report {
    Path program;
    std::vector<Path> arguments;
};

std::optional<Report> parseReport(const platform::Bytes& bytes) {
    std::vector<Path> lines;
    std::string line;
    for (const std::uint8_t byte : bytes) {
        if (byte == '\n') {
            lines.push_back(platform::fromUtf8(line));
            line.clear();
        } else {
            line += static_cast<char>(byte);
        }
    }
    if (lines.size() < 2 || std::to_string(lines.size() - 2) != platform::toUtf8(lines[0]))
        return std::nullopt;
    return Report{lines[1], std::vector<Path>(lines.begin() + 2, lines.end())};
}

// Waits for "<program>.out" (the started process is not awaited by the
// platform); nothing after the timeout.
std::optional<Report> awaitReport(platform::Platform& system, const Path& program) {
    const Path out = program + u".out";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        if (system.fileExists(out))
            return parseReport(system.readFile(out));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::nullopt;
}

class ProcessStartTest : public ::testing::Test {
  protected:
    void SetUp() override {
        system_ = platform::makeSystemPlatform();
        helper_ = hostPath(EK_PRINT_ARGUMENTS);
        ASSERT_TRUE(system_->fileExists(helper_)) << platform::toUtf8(helper_);
    }

    // A copy of the helper program under `relative` in the scratch folder.
    Path installHelper(std::u16string_view relative) {
        const Path target = scratch_ / relative;
        const std::size_t folderEnd = relative.rfind(u'\\');
        if (folderEnd != std::u16string_view::npos)
            scratch_.makeFolder(relative.substr(0, folderEnd));
        EXPECT_TRUE(system_->copyFile(helper_, target));
        return target;
    }

    std::unique_ptr<platform::Platform> system_;
    Path helper_;
    ScratchFolder scratch_;
};

TEST_F(ProcessStartTest, EachArgumentArrivesUnchanged) {
    const std::vector<std::vector<Path>> cases = {
        {},
        {u"oo_Zahrada_u_domu.xls"},
        {u"C:\\Users\\Jana\\Material Lists\\Zahrada u domu.xls"},
        {u""},                        // an empty argument is kept
        {u"a", u"", u"b"},            // ... also between others
        {u"say \"hi\""},              // quotes inside
        {u"\"quoted\""},              // quotes around
        {u"ends with \\"},            // a backslash before the closing quote
        {u"C:\\Program Files\\x\\"},  // the same in a folder path
        {u"two\\\\\"quotes"},         // backslashes before a quote
        {u"back\\slash"},             // backslashes elsewhere stay single
        {u"tab\there"},
        {u"--calc", u"Růžová zahrada.xls", u"Říčany – ceník"},
    };
    const Path program = installHelper(u"Nástroj s mezerami\\print arguments.exe");
    for (const std::vector<Path>& arguments : cases) {
        SCOPED_TRACE(arguments.empty() ? std::string("(none)") : platform::toUtf8(arguments[0]));
        if (system_->fileExists(program + u".out"))
            system_->deleteFile(program + u".out");
        ASSERT_TRUE(system_->startProcess(program, arguments));
        const std::optional<Report> report = awaitReport(*system_, program);
        ASSERT_TRUE(report.has_value());
        EXPECT_EQ(report->program, program);
        EXPECT_EQ(report->arguments, arguments);
    }
}

TEST_F(ProcessStartTest, AProgramPathWithBlanksStartsThatProgramOnly) {
    // Read without quotes, the command line would name these programs first.
    const Path decoyOuter = installHelper(u"Nástroj.exe");
    const Path decoyInner = installHelper(u"Nástroj s mezerami\\print.exe");
    const Path program = installHelper(u"Nástroj s mezerami\\print arguments.exe");
    ASSERT_TRUE(system_->startProcess(program, {u"Zahrada u domu.xls"}));
    const std::optional<Report> report = awaitReport(*system_, program);
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(report->arguments, std::vector<Path>{u"Zahrada u domu.xls"});
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(system_->fileExists(decoyOuter + u".out"));
    EXPECT_FALSE(system_->fileExists(decoyInner + u".out"));
}

TEST_F(ProcessStartTest, AMissingProgramIsReportedAndNothingRuns) {
    const Path decoy = installHelper(u"chybí.exe");
    EXPECT_FALSE(system_->startProcess(scratch_ / u"chybí s mezerou.exe", {u"x"}));
    EXPECT_FALSE(system_->startProcess(scratch_ / u"složka", {}));
    EXPECT_FALSE(system_->fileExists(decoy + u".out"));
}

}  // namespace
}  // namespace ek::test
