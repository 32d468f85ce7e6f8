#include "app/arguments.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

#include "app/options.h"
#include "platform/unicode.h"

namespace ek::app {

std::vector<std::u16string> commandLineArguments(int argc, char** argv) {
    std::vector<std::u16string> arguments;
#ifdef _WIN32
    (void)argc;
    (void)argv;
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr)
        return arguments;
    for (int i = 1; i < count; ++i) {
        const std::wstring_view argument(wide[i]);
        arguments.emplace_back(argument.begin(), argument.end());
    }
    ::LocalFree(wide);
#else
    for (int i = 1; i < argc; ++i) {
        // A name in another encoding would be read as some other file whose
        // name decodes alike.
        if (!platform::isValidUtf8(argv[i])) {
            throw OptionError("Argument č. " + std::to_string(i) + " (\"" +
                              platform::toUtf8(platform::fromUtf8(argv[i])) +
                              "\") není platný text UTF-8; soubor s takovým názvem program "
                              "neotevře.");
        }
        arguments.push_back(platform::fromUtf8(argv[i]));
    }
#endif
    return arguments;
}

}  // namespace ek::app
