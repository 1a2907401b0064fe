#pragma once
#include <cstddef>
#include <string_view>

namespace quorin {

// Copies `text` to `to` with every line feed stored as carriage return and
// line feed, as the RTF files are written; `to` has room for twice the text.
// Returns the end of what was written.
char* CopyWithCrLf(std::string_view text, char* to);

// Writes all the bytes to the file descriptor, going on after interruptions.
// False on a failed write (errno tells why).
bool WriteAll(int fd, const char* data, size_t size);

// Writes the text to the file descriptor with CR LF line ends. False on a
// failed write.
bool WriteWithCrLf(int fd, std::string_view text);

}  // namespace quorin
