#include "app/batch_summary.h"

#include <algorithm>

#include "app/message_texts.h"

namespace quorin {

namespace {

bool Protected(const FileOutcome& outcome) {
    return outcome.reason.kind == ReasonKind::kProtected || outcome.reason.kind == ReasonKind::kWrongPassword;
}

}  // namespace

texts::SummaryCounts CountOutcomes(const std::vector<FileOutcome>& outcomes) {
    texts::SummaryCounts counts;
    for (const FileOutcome& outcome : outcomes) {
        switch (outcome.status) {
            case FileStatus::kConverted:
            case FileStatus::kConvertedByLibreOffice: ++counts.converted; break;
            case FileStatus::kFailed: ++(Protected(outcome) ? counts.locked : counts.failed); break;
            case FileStatus::kSkippedExisting: ++counts.kept; break;
            case FileStatus::kSkippedEmpty: ++counts.empty; break;
            case FileStatus::kCancelled: ++counts.cancelled; break;
        }
    }
    return counts;
}

std::string SummaryLine(const std::vector<FileOutcome>& outcomes) { return texts::SummaryLine(CountOutcomes(outcomes)); }

bool BatchSucceeded(const std::vector<FileOutcome>& outcomes) {
    bool done = false;
    for (const FileOutcome& outcome : outcomes) {
        if (outcome.status == FileStatus::kFailed) return false;
        done |= outcome.status == FileStatus::kConverted || outcome.status == FileStatus::kConvertedByLibreOffice ||
                outcome.status == FileStatus::kSkippedExisting;
    }
    return done;
}

}  // namespace quorin
