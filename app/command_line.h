#pragma once
// The toolkit-free mode of the program: start as the window would, read the
// material list named on the command line as a pick would, print the result.

#include <ostream>

#include "app/options.h"
#include "platform/platform.h"

namespace ek::app {

// Messages of the platform and errors go to `errors`; the exit status: 0, or 1
// when the reading stopped with an error.
int runCommandLine(const Options& options, platform::Platform& platform, char16_t decimalSeparator,
                   std::ostream& out, std::ostream& errors);

}  // namespace ek::app
