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

void CatchCancelSignals() {
    static_assert(std::atomic<int>::is_always_lock_free);
    struct sigaction action {};
    action.sa_handler = OnCancelSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kCancelSignals) sigaction(number, &action, nullptr);
}

CancelRequest& CancelOnSignal() { return signalled; }

int CancelledStatus() {
    int number = firstSignal.load(std::memory_order_relaxed);
    return number == 0 || number == SIGINT ? kExitCancelled : 128 + number;
}

}  // namespace quorin
