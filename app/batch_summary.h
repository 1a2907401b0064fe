#pragma once
#include <string>
#include <vector>

#include "app/file_outcome.h"
#include "app/message_texts.h"

namespace quorin {

// What became of the inputs of a batch, counted for the line that ends it.
// Files written by LibreOffice count as converted; protected documents apart
// from the other failures.
texts::SummaryCounts CountOutcomes(const std::vector<FileOutcome>& outcomes);

// The line that ends a batch, counted from its outcomes: "412 converted,
// 3 failed, 2 skipped (empty), 5 protected".
std::string SummaryLine(const std::vector<FileOutcome>& outcomes);

// Whether the batch did its job: no input failed, and some input was
// converted or kept for its existing output.
bool BatchSucceeded(const std::vector<FileOutcome>& outcomes);

}  // namespace quorin
