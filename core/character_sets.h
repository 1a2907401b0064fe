#pragma once
#include <cstdint>
#include <string>

namespace quorin {

// Appends the RTF form of character `c` of WordPerfect character set `set`
// (1 to 14) to `out` and returns true, or returns false, appending nothing,
// when the set's table does not map `c`. A character that is mapped to
// nothing (Arabic set 13, characters 0 to 9) returns true with nothing
// appended. Script selection and text marks are the caller's business.
// The reader calls it for every extended character; the character-set
// tables (charsets/) provide it.
bool AppendCharacterForm(uint8_t set, uint8_t c, std::string& out);

}  // namespace quorin
