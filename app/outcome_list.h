#pragma once
#include <map>
#include <string>
#include <vector>

#include "app/file_outcome.h"

namespace quorin {

// The outcomes of a batch's inputs as they settle, each told on to the next
// observer, and the files the batch wrote, so that an output written earlier
// in the batch is told apart from one that existed before it.
class OutcomeList : public BatchObserver {
public:
    explicit OutcomeList(BatchObserver* next = nullptr) : next_(next) {}
    void OnFile(const FileOutcome& outcome) override;
    // A file written earlier in this batch was moved to `to` (its backup
    // name): the outcome that wrote it names it there.
    void Moved(const std::string& from, const std::string& to);
    // Whether this batch wrote the file at `path`.
    bool WrittenHere(const std::string& path) const { return writers_.count(path) > 0; }
    // The outcomes in discovery order.
    std::vector<FileOutcome> Take();

private:
    BatchObserver* next_;
    std::map<size_t, FileOutcome> outcomes_;  // by sequence
    std::map<std::string, size_t> writers_;   // each file written, with the sequence of its input
};

}  // namespace quorin
