// export-kalkulace: the tool's window, or on the terminal the reading and the
// export of one material list.

#include <iostream>

#include "app/arguments.h"
#include "app/cli_export.h"
#include "app/command_line.h"
#include "app/console_output.h"
#include "app/options.h"
#include "calc/money.h"
#include "platform/large_pages.h"
#include "platform/platform.h"

#ifdef EXPORT_KALKULACE_WINDOW
#include "app/window/run_window.h"
#elif defined(EXPORT_KALKULACE_WINDOW_PROGRAM)
#include "app/window_program.h"
#endif

namespace {

int runOnTerminal(const ek::app::Options& options) {
    using namespace ek;
    platform::SystemPlatformOptions platformOptions;
    platformOptions.documentsFolder = options.documents;
    platformOptions.messageSink = [](const std::u16string& text) {
        std::cerr << platform::toUtf8(text) << '\n';
    };
    const auto system = platform::makeSystemPlatform(std::move(platformOptions));
    if (!options.exportFile.empty()) {
        // Kept: without it a 65 530-item export takes 2 to 2.5 times as long.
        platform::preferLargeMemoryPages();
        return app::runExport({options.exportFile, options.nazvy, options.cisla}, *system,
                              calc::decimalSeparatorFromLocale(), std::cout, std::cerr);
    }
    return app::runCommandLine(options, *system, calc::decimalSeparatorFromLocale(), std::cout,
                               std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace ek;
    app::writeConsolesAsUtf16();
    app::Options options;
    try {
        options = app::parseOptions(app::commandLineArguments(argc, argv));
    } catch (const app::OptionError& error) {
        std::cerr << error.what() << '\n' << app::usageText();
        return 2;
    }
    if (options.help) {
        std::cout << app::usageText();
        return 0;
    }
#ifdef EXPORT_KALKULACE_WINDOW
    if (!options.commandLineMode())
        return app::runWindow(argc, argv, {options.documents, options.developer});
#elif defined(EXPORT_KALKULACE_WINDOW_PROGRAM)
    if (!options.commandLineMode())
        return app::startWindowProgram(EXPORT_KALKULACE_WINDOW_PROGRAM, argv, std::cerr);
#endif
    return runOnTerminal(options);
}
