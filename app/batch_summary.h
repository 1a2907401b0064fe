#pragma once
#include <string>

#include "app/file_record.h"
#include "app/message_texts.h"

namespace quorin {

// Counts what became of the inputs of a batch for the line shown at its end,
// and hands every record on to the next observer.
class BatchSummary : public BatchObserver {
public:
    explicit BatchSummary(BatchObserver* next = nullptr) : next_(next) {}
    void OnFile(const FileRecord& record) override;
    // emptyFiles: the empty files the batch passed over (they have no record).
    std::string Line(int emptyFiles) const;
    texts::SummaryCounts Counts(int emptyFiles) const;

private:
    BatchObserver* next_;
    int converted_ = 0, failed_ = 0, locked_ = 0, kept_ = 0, cancelled_ = 0;
};

}  // namespace quorin
