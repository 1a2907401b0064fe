#pragma once
#include <string>

#include "core/progress_tracker.h"

namespace quorin {

// Each file of a batch owns this many steps of the bar.
constexpr int kStepsPerFile = 20;

// The progress display of a batch: the bar the tracker drives, the current
// file's path (as the batch names it; the terminal shows it in capitals), and
// its end.
class BatchProgressView : public ProgressView {
public:
    virtual void ShowFileName(const std::string& name) = 0;
    virtual void Close() = 0;
};

}  // namespace quorin
