#pragma once
#include <cstdint>

namespace quorin {

// The display a tracker drives: a bar of lower..upper advanced in steps. A
// terminal line, later a progress dialog, or a recorder in tests.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual void SetRange(int32_t lower, int32_t upper) = 0;
    virtual void SetStep(int32_t step) = 0;
    virtual void StepIt() = 0;
};

// Turns the reader's position in the current document into bar steps. Each
// file of a batch owns stepsPerFile steps of a bar of stepsPerFile * fileCount
// steps; a file that ends early is caught up by the next file's first update.
// The reader calls UpdatePosition after every code, so the common case (no new
// step due) is a single comparison.
class ProgressTracker {
public:
    explicit ProgressTracker(ProgressView* view = nullptr) : view_(view) {}
    virtual ~ProgressTracker() = default;

    void SetFileCount(int32_t count);
    void SetStepsPerFile(int32_t steps);
    void AdvanceFile();

    virtual void SetFileRange(int32_t rangeStart, int32_t rangeEnd);
    virtual void BeginFile();
    virtual void UpdatePosition(int32_t position) {
        if (position > rangeStart_ && position < quietBelow_) return;
        Advance(position);
    }

    int32_t StepsDone() const { return stepsDone_; }
    int32_t FileNumber() const { return fileNumber_; }

private:
    void Advance(int32_t position);
    int64_t TargetAt(int64_t offset) const;
    void FindQuietWindow();
    void ResetQuietWindow() { quietBelow_ = rangeStart_; }

    ProgressView* view_;
    int32_t rangeStart_ = 0;
    int32_t rangeEnd_ = 0;
    int32_t span_ = 0;
    int32_t offset_ = 0;
    int32_t stepsPerFile_ = 20;
    int32_t stepsDone_ = 0;
    int32_t fileCount_ = 1;
    int32_t fileNumber_ = 0;
    // Positions strictly between rangeStart_ and quietBelow_ are known to
    // give no step; anything else takes the full computation.
    int64_t quietBelow_ = 0;
};

}  // namespace quorin
