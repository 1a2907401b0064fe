#pragma once
#include <functional>
#include <string>

#include "support/case_file.h"

namespace quorin::test {

// The text a case's input gives; throws what the conversion throws.
using CaseProducer = std::function<std::string(const TestCase&)>;

// Checks every case under tests/`folder` against what `produce` gives it:
// `rtf:` the whole text, `frame:` the text of a left-to-right document without
// packets around a body, `contains:` a piece of it, `ends:` its end, `throws:`
// the exception instead. Every text must also be balanced RTF. A failure
// names the case's file, line and title.
void CheckCases(const std::string& folder, const CaseProducer& produce);

// The conversions the areas share, with the case's `options:`: `body:` codes
// through a document reader, `document:` a file built around the body and its
// `packet:`s, `file:` a whole file as written, `plain:` characters written one
// by one as plain text.
std::string ConvertCase(const TestCase& c);

}  // namespace quorin::test
