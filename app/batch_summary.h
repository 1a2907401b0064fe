#pragma once
#include <string>
#include <vector>

#include "app/file_outcome.h"

namespace quorin {

// The line that ends a batch, counted from its outcomes: "412 converted,
// 3 failed, 2 skipped (empty), 5 protected". Files written by LibreOffice
// count as converted; protected documents apart from the other failures.
std::string SummaryLine(const std::vector<FileOutcome>& outcomes);

// Whether the batch did its job: no input failed, and some input was
// converted or kept for its existing output.
bool BatchSucceeded(const std::vector<FileOutcome>& outcomes);

}  // namespace quorin
