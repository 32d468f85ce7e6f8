// export-kalkulace: reads a material list and prints its tables and totals.

#include <iostream>

#include "app/arguments.h"
#include "app/cli_export.h"
#include "app/command_line.h"
#include "app/options.h"
#include "calc/money.h"
#include "platform/large_pages.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
    using namespace ek;
    platform::preferLargeMemoryPages();
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
    platform::SystemPlatformOptions platformOptions;
    platformOptions.documentsFolder = options.documents;
    platformOptions.messageSink = [](const std::u16string& text) {
        std::cerr << platform::toUtf8(text) << '\n';
    };
    const auto system = platform::makeSystemPlatform(std::move(platformOptions));
    if (!options.exportFile.empty())
        return app::runExport({options.exportFile, options.nazvy}, *system,
                              calc::decimalSeparatorFromLocale(), std::cout, std::cerr);
    return app::runCommandLine(options, *system, calc::decimalSeparatorFromLocale(), std::cout,
                               std::cerr);
}
