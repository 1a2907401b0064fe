#pragma once
#include <cstdint>

namespace quorin {

// Receives the code reader's position in the current document. The batch owns
// one per run and hands it through ConvertDocument to the reader.
class ProgressTracker {
public:
    virtual ~ProgressTracker() = default;
    virtual void SetFileRange(int32_t rangeStart, int32_t rangeEnd) = 0;
    virtual void BeginFile() = 0;
    virtual void UpdatePosition(int32_t position) = 0;
};

}  // namespace quorin
