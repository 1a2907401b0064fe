#pragma once
#include <string>
#include <vector>

namespace quorin {

// The items of an input list as a person types it: names separated by "|",
// each trimmed of spaces; a name in double quotes is taken whole, "|" and
// all, as the file chooser gives names that hold one. Empty items are dropped.
std::vector<std::string> SplitInputList(const std::string& list);

}  // namespace quorin
