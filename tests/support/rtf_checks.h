#pragma once
#include <string>
#include <string_view>

namespace quorin::test {

// Counts "{" minus "}" outside escapes ("\{", "\}", "\'hh" are skipped).
// A well-formed RTF text gives 0 and never goes below 0 on the way.
bool BracesBalanced(std::string_view rtf);

// The text of "\'hh" escapes joined, as the bytes they stand for: lets a test
// look for the words of a document in its RTF.
std::string HexEscapedText(std::string_view rtf);

}  // namespace quorin::test
