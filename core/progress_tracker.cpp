#include "core/progress_tracker.h"

#include <algorithm>
#include <limits>

namespace quorin {

void ProgressTracker::SetFileCount(int32_t count) {
    fileCount_ = count;
    ResetQuietWindow();
}

void ProgressTracker::SetStepsPerFile(int32_t steps) {
    stepsPerFile_ = steps;
    ResetQuietWindow();
}

void ProgressTracker::AdvanceFile() {
    ++fileNumber_;
    ResetQuietWindow();
}

void ProgressTracker::SetFileRange(int32_t rangeStart, int32_t rangeEnd) {
    rangeStart_ = rangeStart;
    rangeEnd_ = rangeEnd;
    span_ = rangeEnd - rangeStart;
    ResetQuietWindow();
}

void ProgressTracker::BeginFile() {
    if (!view_) return;
    view_->SetRange(0, stepsPerFile_ * fileCount_);
    view_->SetStep(1);
}

// The bar step the batch should stand at when the reader is `offset` bytes
// into the current file. The fraction is held in single precision; it is
// kept at most 1 so a position past the range end cannot run the bar beyond
// this file's share.
int64_t ProgressTracker::TargetAt(int64_t offset) const {
    float fraction = std::min(static_cast<float>(static_cast<double>(offset) / span_), 1.0f);
    return static_cast<int64_t>(static_cast<float>(stepsPerFile_) * fraction) +
           static_cast<int64_t>(fileNumber_ - 1) * stepsPerFile_;
}

void ProgressTracker::Advance(int32_t position) {
    offset_ = position - rangeStart_;
    // A file without a code stream has nothing to divide by.
    if (offset_ == 0 || span_ <= 0) return;
    int64_t target = TargetAt(offset_);
    while (stepsDone_ < target) {
        if (view_) view_->StepIt();
        ++stepsDone_;
    }
    FindQuietWindow();
}

// The target grows with the offset, so the first offset that would take a
// further step can be found by bisection; below it updates are no-ops.
void ProgressTracker::FindQuietWindow() {
    int64_t low = 1, high = std::numeric_limits<int32_t>::max() - static_cast<int64_t>(rangeStart_);
    if (high < low || TargetAt(high) <= stepsDone_) {
        quietBelow_ = std::numeric_limits<int64_t>::max();
        return;
    }
    while (low < high) {
        int64_t middle = low + (high - low) / 2;
        if (TargetAt(middle) > stepsDone_) high = middle;
        else low = middle + 1;
    }
    quietBelow_ = rangeStart_ + low;
}

}  // namespace quorin
