#pragma once
#include <atomic>
#include <string>

namespace quorin {

// The settings of one batch. The caller owns one instance and passes it down;
// the conversion only reads it. The cancel request is atomic so that a signal
// handler or another thread may set it while a conversion runs.
struct ConversionOptions {
    int rightToLeftDocument = 0;
    int reverseParentheses = 0;
    int reverseTabAlignment = 0;
    int convertToWord = 0;
    int decideDirection = 0;  // each document right to left when its letters are mostly so (-r wins)
    std::string password;  // opens password-protected documents; empty: none
    std::atomic<int> cancelRequest{0};
    // Options made for one document answer the cancel request of the batch's.
    const std::atomic<int>* followedCancel = nullptr;

    bool CancelRequested() const {
        return (followedCancel ? *followedCancel : cancelRequest).load(std::memory_order_relaxed) == 1;
    }
};

}  // namespace quorin
