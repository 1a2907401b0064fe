#include "app/batch_summary.h"

#include "app/message_texts.h"

namespace quorin {

void BatchSummary::OnFile(const FileRecord& record) {
    switch (record.status) {
        case FileStatus::kConverted:
        case FileStatus::kConvertedByLibreOffice: ++converted_; break;
        case FileStatus::kFailed: ++(record.locked ? locked_ : failed_); break;
        case FileStatus::kSkipped: ++kept_; break;
        case FileStatus::kCancelled: ++cancelled_; break;
    }
    if (next_) next_->OnFile(record);
}

std::string BatchSummary::Line(int emptyFiles) const { return texts::SummaryLine(Counts(emptyFiles)); }

texts::SummaryCounts BatchSummary::Counts(int emptyFiles) const {
    return {converted_, failed_, emptyFiles, kept_, locked_, cancelled_};
}

}  // namespace quorin
