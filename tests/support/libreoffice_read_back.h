#pragma once
#include <optional>
#include <string>

namespace quorin::test {

// True when soffice can be run.
bool LibreOfficeAvailable();

// Writes `rtf` (LF line ends, written as CR LF like the program does) to a
// temporary folder, has LibreOffice convert it with `filter` (for example
// "txt:Text (encoded):UTF8" or "fodt") using a private profile, and returns
// the converted file's bytes; nothing when the conversion failed.
std::optional<std::string> ReadBackWithLibreOffice(const std::string& rtf, const std::string& filter,
                                                   const std::string& extension);

}  // namespace quorin::test
