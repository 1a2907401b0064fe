#pragma once

namespace quorin {

// Exit statuses of a run, whichever face started it.
enum ExitStatus : int {
    kExitConverted = 0,
    kExitFailed = 1,
    kExitUsage = 2,
    kExitCancelled = 130,  // Ctrl-C; SIGTERM and SIGHUP give 128 + their number
};

// The most files a batch converts at once (-j, and the window's threads).
constexpr int kMaxJobs = 1024;

// The seconds one LibreOffice run may take (--timeout), and the most that
// may be asked.
constexpr int kDefaultTimeout = 600;
constexpr int kMaxTimeout = 86400;

}  // namespace quorin
