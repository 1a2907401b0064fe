#include "app/progress_bar.h"

#include <algorithm>

namespace quorin {

std::string PercentText(int32_t position, int32_t lower, int32_t upper) {
    if (upper <= lower) return "0%";
    int64_t percent = (static_cast<int64_t>(position) - lower) * 100 / (static_cast<int64_t>(upper) - lower);
    if (percent != 100) percent %= 100;
    return std::to_string(percent) + "%";
}

void ProgressBar::SetRange(int32_t lower, int32_t upper) {
    lower_ = lower;
    upper_ = upper;
    position_ = std::clamp(position_, lower_, std::max(lower_, upper_));
}

void ProgressBar::StepIt() {
    int32_t previous = position_;
    position_ = std::min(previous + step_, std::max(lower_, upper_));
    percent_ = PercentText(previous + step_, lower_, upper_);
}

}  // namespace quorin
