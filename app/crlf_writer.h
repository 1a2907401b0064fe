#pragma once
#include <string_view>

namespace quorin {

// Writes the text to the file descriptor with every line feed stored as
// carriage return and line feed, as the RTF files are written. False on a
// failed write.
bool WriteWithCrLf(int fd, std::string_view text);

}  // namespace quorin
