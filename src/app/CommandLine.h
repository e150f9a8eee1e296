#pragma once

#include <optional>

namespace app {

// The command line, answered before anything of the toolkit starts: --help,
// --version and --solve, and anything else refused. The exit status, or
// none where the program is to open its window (no arguments).
std::optional<int> AnswerCommandLine(int argc, char* argv[]);

// Held while the application object is made. Where no platform can start
// (no graphical display), the program ends with one Polish sentence and
// status 1 instead of the toolkit's advice and an abort; otherwise the
// toolkit's messages of that moment are passed on as they came.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;
};

}  // namespace app
