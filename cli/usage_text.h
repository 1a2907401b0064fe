#pragma once
#include <string>

namespace quorin {

// The short usage text (no arguments, -h, -?, or an incomplete command line).
std::string UsageText();
// The full help of --help, from which the man page is made.
std::string HelpText();
// The --version text.
std::string VersionText();

// Said, after the usage, when the window is asked for without a display.
inline constexpr const char* kNeedsGraphicalSession =
    "quorin: the window needs a graphical session (X11 or Wayland); "
    "to convert from a terminal, give -f and -o as shown above.\n";

}  // namespace quorin
