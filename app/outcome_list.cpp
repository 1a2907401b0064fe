#include "app/outcome_list.h"

namespace quorin {

void OutcomeList::OnFile(const FileOutcome& outcome) {
    if (outcome.status == FileStatus::kConverted || outcome.status == FileStatus::kConvertedByLibreOffice)
        for (const WrittenFile& file : outcome.written) writers_[file.path] = outcome.sequence;
    outcomes_[outcome.sequence] = outcome;
    if (next_) next_->OnFile(outcome);
}

void OutcomeList::Moved(const std::string& from, const std::string& to) {
    auto writer = writers_.find(from);
    if (writer == writers_.end()) return;
    const size_t sequence = writer->second;
    writers_.erase(writer);
    writers_[to] = sequence;
    FileOutcome& outcome = outcomes_[sequence];
    for (WrittenFile& file : outcome.written)
        if (file.path == from) file.path = to;
    if (outcome.inputNow == from) outcome.inputNow = to;
}

std::vector<FileOutcome> OutcomeList::Take() {
    std::vector<FileOutcome> list;
    list.reserve(outcomes_.size());
    for (auto& [sequence, outcome] : outcomes_) list.push_back(std::move(outcome));
    outcomes_.clear();
    writers_.clear();
    return list;
}

}  // namespace quorin
