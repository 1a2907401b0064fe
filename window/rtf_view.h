#pragma once
#include <string>
#include <string_view>

class QTextDocument;

namespace quorin {

// Replaces the content of `document` with a small RTF text as a word processor
// would show it: groups; bold, italic, underline, colour, font and size;
// alignment, indents and line spacing; \par, \line and \tab; hexadecimal and
// Unicode escapes and the escaped "\", "{" and "}". The font and colour tables
// are read; other destinations are skipped and other control words ignored.
void RenderRtf(std::string_view rtf, QTextDocument& document);

// `text` ready to stand in RTF as text: "\", "{" and "}" get a backslash.
std::string RtfText(std::string_view text);

}  // namespace quorin
