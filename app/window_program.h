#pragma once
// The window is a program of its own, built beside export-kalkulace: the
// command-line modes, which scripts run many times, then start without the
// widget toolkit's libraries (for a large export about 10 ms and 12 MB less
// a run). export-kalkulace hands a run that opens the window over to it.

#include <ostream>

namespace ek::app {

// Replaces this process with the program `fileName` from this program's
// folder, given the same arguments; returns only when that fails: 1, with
// the reason on `errors`.
int startWindowProgram(const char* fileName, char** argv, std::ostream& errors);

}  // namespace ek::app
