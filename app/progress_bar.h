#pragma once
#include <cstdint>
#include <string>

#include "core/progress_tracker.h"

namespace quorin {

// The percentage text shown beside the bar for a position: "45%".
std::string PercentText(int32_t position, int32_t lower, int32_t upper);

// A progress bar without a window: range, step, position and the percentage
// the dialog would show. Views draw it.
class ProgressBar : public ProgressView {
public:
    void SetRange(int32_t lower, int32_t upper) override;
    void SetStep(int32_t step) override { step_ = step; }
    void StepIt() override;

    int32_t Position() const { return position_; }
    const std::string& Percent() const { return percent_; }

private:
    int32_t lower_ = 0;
    int32_t upper_ = 100;
    int32_t step_ = 10;
    int32_t position_ = 0;
    std::string percent_ = "0%";
};

}  // namespace quorin
