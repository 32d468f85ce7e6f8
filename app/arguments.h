#pragma once
// The program's arguments after its name, as Unicode text.

#include <string>
#include <vector>

namespace ek::app {

// Linux: argv decoded as UTF-8; an argument that is not valid UTF-8 throws
// OptionError. Windows: the wide command line of the process (argv holds the
// ANSI code page there).
std::vector<std::u16string> commandLineArguments(int argc, char** argv);

}  // namespace ek::app
