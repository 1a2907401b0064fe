#pragma once
#include <string>

namespace quorin {

// The short usage text (no arguments, -h, -?, or an incomplete command line).
std::string UsageText();
// The full help of --help, from which the man page is made.
std::string HelpText();
// The --version text.
std::string VersionText();

}  // namespace quorin
