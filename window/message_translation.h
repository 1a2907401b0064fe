#pragma once
#include <QString>
#include <string>

namespace quorin {

// A message of the batch or the window (a caption or a text, written in
// English where it is made) in the window's language: each line that is one
// of the known texts, or one of the known sentences around paths and
// numbers, is translated; any other line (a path on its own, a reason given
// by the system) stays as it is.
QString TranslatedMessage(const std::string& english);

}  // namespace quorin
