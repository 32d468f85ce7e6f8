// Automation on a Windows without the spreadsheet program: creating its
// application object fails with the system's own text for the failure and the
// program identifier, as the top-level error report shows it.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/automation.h"
#include "platform/unicode.h"

namespace ek::test {
namespace {

using platform::AutomationError;

std::string creationMessage(platform::Automation& automation, const std::u16string& programId) {
    try {
        automation.create(programId);
    } catch (const AutomationError& error) {
        return error.what();
    }
    return "(created)";
}

// Whether the identifier is registered here; the tests need it not to be.
bool registered(const wchar_t* programId) {
    CLSID classId{};
    return SUCCEEDED(::CLSIDFromProgID(programId, &classId));
}

TEST(AutomationFailure, WithoutTheSpreadsheetProgramCreationNamesReasonAndIdentifier) {
    if (registered(L"Excel.Application"))
        GTEST_SKIP() << "the spreadsheet program is installed here";
    const auto system = platform::makeSystemPlatform();
    const auto automation = platform::makeSystemAutomation(*system);
    const std::string message = creationMessage(*automation, platform::kSpreadsheetProgramId);
    const std::string suffix = ", ProgID: \"Excel.Application\"";
    ASSERT_TRUE(message.ends_with(suffix)) << message;
    const std::string reason = message.substr(0, message.size() - suffix.size());
    EXPECT_FALSE(reason.empty());
    // One line without the system text's line break or closing period.
    EXPECT_EQ(reason.find_first_of("\r\n"), std::string::npos) << message;
    EXPECT_NE(reason.back(), '.') << message;
}

TEST(AutomationFailure, EveryUnknownIdentifierFailsTheSameWay) {
    const auto system = platform::makeSystemPlatform();
    const auto automation = platform::makeSystemAutomation(*system);
    for (const std::u16string programId : {u"Nikde.Neni", u"Ř.Č", u""}) {
        SCOPED_TRACE(platform::toUtf8(programId));
        const std::string message = creationMessage(*automation, programId);
        EXPECT_TRUE(message.ends_with(", ProgID: \"" + platform::toUtf8(programId) + "\""))
            << message;
    }
}

TEST(AutomationFailure, AStandInStillServesItsIdentifier) {
    struct Quiet final : platform::AutomationObject {
        void put(const std::u16string&, const platform::AutomationValue&) override {}
        std::unique_ptr<AutomationObject> get(const std::u16string&) override { return nullptr; }
        void call(const std::u16string&, const std::vector<platform::AutomationValue>&) override {}
    };
    const auto system = platform::makeSystemPlatform();
    const auto automation = platform::makeSystemAutomation(*system);
    automation->registerStandIn(platform::kSpreadsheetProgramId,
                                [] { return std::make_unique<Quiet>(); });
    EXPECT_NE(automation->create(platform::kSpreadsheetProgramId), nullptr);
}

}  // namespace
}  // namespace ek::test
