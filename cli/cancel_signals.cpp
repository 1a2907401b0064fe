#include "cli/cancel_signals.h"

#include <signal.h>

#include <atomic>

#include "app/exit_status.h"

namespace quorin {

namespace {

// A signal handler can reach only what lives for the whole process. It
// stores to lock-free atomics alone, which is signal-safe.
CancelRequest signalled;
std::atomic<int> firstSignal{0};
constexpr int kCancelSignals[] = {SIGINT, SIGTERM, SIGHUP};

void OnCancelSignal(int number) {
    int none = 0;
    firstSignal.compare_exchange_strong(none, number, std::memory_order_relaxed);
    signalled.Request();
}

}  // namespace

void CatchCancelSignals(bool restart) {
    static_assert(std::atomic<int>::is_always_lock_free);
    struct sigaction action {};
    action.sa_handler = OnCancelSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = restart ? SA_RESTART : 0;
    sigset_t caught;
    sigemptyset(&caught);
    for (int number : kCancelSignals) {
        // A signal ignored by whoever started the run (nohup, a background
        // job) stays ignored.
        struct sigaction before {};
        if (sigaction(number, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
        sigaction(number, &action, nullptr);
        sigaddset(&caught, number);
    }
    // A signal held back by the starter (or sent before the handler was
    // set and still pending) arrives now, as a cancel.
    sigprocmask(SIG_UNBLOCK, &caught, nullptr);
}

void ReleaseCancelSignals() {
    for (int number : kCancelSignals) {
        struct sigaction current {};
        if (sigaction(number, nullptr, &current) == 0 && current.sa_handler == OnCancelSignal)
            signal(number, SIG_DFL);
    }
    if (int number = firstSignal.load(std::memory_order_relaxed); number != 0) raise(number);
}

CancelRequest& CancelOnSignal() { return signalled; }

int CancelledStatus() {
    int number = firstSignal.load(std::memory_order_relaxed);
    return number == 0 || number == SIGINT ? kExitCancelled : 128 + number;
}

}  // namespace quorin
