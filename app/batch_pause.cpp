#include "app/batch_pause.h"

namespace quorin {

void BatchPause::Hold() {
    std::lock_guard lock(mutex_);
    ++holds_;
}

void BatchPause::Release() {
    {
        std::lock_guard lock(mutex_);
        if (holds_ > 0) --holds_;
        if (holds_ > 0) return;
    }
    released_.notify_all();
}

bool BatchPause::Held() const {
    std::lock_guard lock(mutex_);
    return holds_ > 0;
}

void BatchPause::WaitWhileHeld() const {
    std::unique_lock lock(mutex_);
    if (holds_ == 0) return;
    ++waiting_;
    released_.wait(lock, [this] { return holds_ == 0; });
    --waiting_;
}

int BatchPause::Waiting() const {
    std::lock_guard lock(mutex_);
    return waiting_;
}

}  // namespace quorin
