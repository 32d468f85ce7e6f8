#pragma once
// The command-line export: read a material list as a pick in the window
// would, export it as "Export XLS" would, and print what was exported.

#include <optional>
#include <ostream>
#include <string_view>

#include "platform/platform.h"

namespace ek::app {

struct ExportCommand {
    platform::Path file;            // the material list
    int plantNameMode = 2;          // RadioGroup2: 0 "první", 1 "druhý", 2 "oba"
    bool amountsAsNumbers = false;  // CheckBox1 "Částky jako čísla"
};

// "prvni", "druhy" or "oba" (also with the accents) as a plant-name mode.
std::optional<int> plantNameModeOf(std::u16string_view text);

// Prints "<worksheet name>\t<subtotal>" for each category with a worksheet,
// "Celková cena projektu\t<total>" and "Uloženo\t<workbook path>" to `out`
// and returns 0. When the reading or the export fails, its message goes to
// `errors` (shown messages reach the platform's message sink), no workbook
// is written, and the result is 1. Run after the platform's start-up, with
// the current directory still the one the program was started in.
int runExport(const ExportCommand& command, platform::Platform& platform, char16_t decimalSeparator,
              std::ostream& out, std::ostream& errors);

}  // namespace ek::app
