#pragma once
#include <string>
#include <string_view>

class QColor;
class QString;
class QPalette;
class QTextDocument;

namespace quorin {

// Replaces the content of `document` with a small RTF text as a word processor
// would show it: groups; bold, italic, underline, colour, font and size;
// alignment, indents and line spacing; \par, \line and \tab; hexadecimal and
// Unicode escapes and the escaped "\", "{" and "}". The font and colour tables
// are read; other destinations are skipped and other control words ignored.
// With a palette, a colour that would be hard to read on its Base colour
// (a dark blue under a dark theme) gives way to the palette's own: Link for
// underlined text, Text for the rest.
void RenderRtf(std::string_view rtf, QTextDocument& document, const QPalette* palette = nullptr);

// The contrast ratio of two colours as the Web Content Accessibility
// Guidelines measure it, from 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// `text` as 7-bit RTF: every other character as a \uN escape; with
// `asText`, "\", "{" and "}" escaped too (without, the text's own control
// words and groups stay RTF).
std::string RtfUnicode(const QString& text, bool asText);

}  // namespace quorin
