#include "app/command_line.h"

#include "app/picked_file.h"
#include "app/printed_state.h"
#include "calc/error.h"
#include "calc/kalkulace.h"

namespace ek::app {

int runCommandLine(const Options& options, platform::Platform& platform, char16_t decimalSeparator,
                   std::ostream& out, std::ostream& errors) {
    // Before the file lists move the current directory.
    const platform::Path file =
        options.tabulka.empty() ? platform::Path() : absolutePath(platform, options.tabulka);
    try {
        calc::Kalkulace state(platform, decimalSeparator);
        state.Nastavit();
        if (file.empty()) {
            for (const calc::Text& name : state.FileListBox1.items)
                out << calc::toUtf8(name) << '\n';
            return 0;
        }
        pickFile(state, file);
        state.Prevod();
        out << printedCalculation(state);
        return 0;
    } catch (const calc::CalcError& error) {
        errors << error.what() << '\n';
        return 1;
    }
}

}  // namespace ek::app
