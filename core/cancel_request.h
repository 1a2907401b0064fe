#pragma once
#include <atomic>

namespace quorin {

// A request to stop the conversions under way. Whoever runs a batch owns one
// and passes it beside the options; a signal handler, a Cancel button or the
// batch itself sets it, and every loop of the conversion reads it. Setting
// and reading are lock-free stores and loads, safe in a signal handler and
// from any thread.
class CancelRequest {
public:
    void Request() { requested_.store(true, std::memory_order_relaxed); }
    void Clear() { requested_.store(false, std::memory_order_relaxed); }
    bool Requested() const { return requested_.load(std::memory_order_relaxed); }

private:
    static_assert(std::atomic<bool>::is_always_lock_free);
    std::atomic<bool> requested_{false};
};

}  // namespace quorin
