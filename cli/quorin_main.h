#pragma once
#include "app/exit_status.h"

namespace quorin {

// The quorin command: parses the arguments and runs the usage text, the
// filter form (-f - -o -) or a batch; returns the exit status.
int RunQuorin(int argc, char** argv);

}  // namespace quorin
