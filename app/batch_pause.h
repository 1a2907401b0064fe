#pragma once
#include <condition_variable>
#include <mutex>

namespace quorin {

// Holds a batch between files while the person is asked something (the
// cancel question, an error box, the font dialog): while any hold lasts, no
// file starts and no output is committed, so the answer decides what happens
// next. Holds nest; every Hold needs its Release.
class BatchPause {
public:
    void Hold();
    void Release();
    bool Held() const;
    // Returns at once when nothing holds the batch, else once the last hold is released.
    void WaitWhileHeld() const;
    // Threads waiting in WaitWhileHeld now.
    int Waiting() const;

    // Holds the batch for as long as it lives.
    class Scope {
    public:
        explicit Scope(BatchPause* pause) : pause_(pause) {
            if (pause_) pause_->Hold();
        }
        ~Scope() {
            if (pause_) pause_->Release();
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        BatchPause* pause_;
    };

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable released_;
    int holds_ = 0;
    mutable int waiting_ = 0;
};

}  // namespace quorin
