#include <iostream>
#include <string>
#include <vector>

#include "cli/cancel_signals.h"
#include "cli/quorin_main.h"
#include "cli/usage_text.h"
#include "window/dialog_run.h"

// No arguments, or file paths only (with Qt's own options beside them), open
// the window; anything else is the command line, which needs no display.
int main(int argc, char** argv) {
    // Before anything else: a signal sent as the run starts is still a cancel.
    quorin::CatchCancelSignals();
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!quorin::StartsWindow(arguments)) return quorin::RunQuorin(argc, argv);
    // The window keeps the signals' default actions.
    quorin::ReleaseCancelSignals();
    const std::string noDisplay = quorin::UsageText() + quorin::kNeedsGraphicalSession;
    if (!quorin::HasDisplay(arguments)) {
        std::cerr << noDisplay;
        return quorin::kExitUsage;
    }
    return quorin::RunDialog(argc, argv, noDisplay);
}

// fontconfig keeps its configuration, and D-Bus (which Qt uses on the
// desktop) a connection, for the life of the process; a sanitized build would
// otherwise report them as leaks at exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so"; }
