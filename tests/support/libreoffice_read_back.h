#pragma once
#include <optional>
#include <string>
#include <vector>

namespace quorin::test {

// True when soffice can be run.
bool LibreOfficeAvailable();

// Writes `rtf` (LF line ends, written as CR LF like the program does) to a
// temporary folder, has LibreOffice convert it with `filter` (for example
// "txt:Text (encoded):UTF8" or "fodt") using a private profile, and returns
// the converted file's bytes; nothing when the conversion failed.
std::optional<std::string> ReadBackWithLibreOffice(const std::string& rtf, const std::string& filter,
                                                   const std::string& extension);

// The word processors whose view of our RTF the tests check.
enum class TextReader { kLibreOffice, kAbiWord };

// True when the reader's program can be run.
bool TextReaderAvailable(TextReader reader);

// Has the reader turn each RTF document into plain UTF-8 text, all with one
// run of the program; the byte order mark and line ends at the end are
// dropped, so that the readers' texts compare alike. Nothing for a document
// that did not convert.
std::vector<std::optional<std::string>> ReadBackAsText(const std::vector<std::string>& rtfs, TextReader reader);

}  // namespace quorin::test
