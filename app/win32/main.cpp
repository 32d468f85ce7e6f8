// export-kalkulace-okno: the tool's window on Windows.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <memory>
#include <string>

#include "app/arguments.h"
#include "app/options.h"
#include "app/tform1.h"
#include "app/win32/main_window.h"
#include "app/win32/message_loop.h"
#include "app/win32/ole_session.h"
#include "app/win32/wide_text.h"
#include "calc/money.h"
#include "platform/automation.h"
#include "platform/platform.h"
#include "platform/unicode.h"

namespace {

constexpr char16_t kTitle[] = u"Export kalkulace pro VDG2016";

// The program has no console: what it has to say about its command line
// appears in a message box.
void tell(const std::string& utf8Text) {
    ::MessageBoxW(nullptr, ek::app::win32::wide(ek::platform::fromUtf8(utf8Text)).c_str(),
                  ek::app::win32::wide(kTitle).c_str(), MB_OK);
}

// The options, or nothing (with the reason told) when the program is not to
// open its window.
bool readOptions(ek::app::Options& options) {
    using namespace ek::app;
    try {
        options = parseOptions(commandLineArguments(0, nullptr));
    } catch (const OptionError& error) {
        tell(std::string(error.what()) + "\n\n" + usageText());
        return false;
    }
    if (options.help) {
        tell(usageText());
        return false;
    }
    if (options.commandLineMode()) {
        tell(
            "--tabulka a --export patří programu export-kalkulace.exe, který píše do "
            "příkazového řádku.\n\n" +
            usageText());
        return false;
    }
    return true;
}

int runWindow(const ek::app::Options& options, int showCommand) {
    using namespace ek;
    const app::win32::OleSession ole;
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES |
                                                                          ICC_TAB_CLASSES |
                                                                          ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    platform::SystemPlatformOptions platformOptions;
    platformOptions.documentsFolder = options.documents;
    platformOptions.messageTitle = kTitle;
    const std::unique_ptr<platform::Platform> system =
        platform::makeSystemPlatform(std::move(platformOptions));
    // Before the window's behaviour: its export keeps objects made here.
    const std::unique_ptr<platform::Automation> automation =
        platform::makeSystemAutomation(*system);

    app::win32::MainWindow window;
    app::TForm1 form(*system, *automation, calc::decimalSeparatorFromLocale(), window);
    window.attach(form);
    window.show(showCommand);
    if (options.developer)
        form.openDeveloperPanel();
    return app::win32::runMessageLoop(window);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
    ek::app::Options options;
    if (!readOptions(options))
        return options.help ? 0 : 2;
    return runWindow(options, showCommand);
}
