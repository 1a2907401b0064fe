#pragma once

namespace quorin {

// Exit statuses of the quorin command.
enum ExitStatus : int {
    kExitConverted = 0,
    kExitFailed = 1,
    kExitUsage = 2,
    kExitCancelled = 130,  // Ctrl-C; SIGTERM and SIGHUP give 128 + their number
};

// The quorin command: parses the arguments and runs the usage text, the
// filter form (-f - -o -) or a batch; returns the exit status.
int RunQuorin(int argc, char** argv);

}  // namespace quorin
