// Right-to-left text: direction codes and reversed text.
#include "core/document_reader.h"
#include "core/reversed_text.h"

namespace quorin {

void DocumentReader::OnTextDirection(const RtfBuffer& code, RtfBuffer& out) {
    rightToLeft = (code.At(5) & 0x01) != 0;
    // The section direction is written only before the document's first character.
    if (!sectionHasText) out += rightToLeft ? "\\rtlsect" : "\\ltrsect";
    out += rightToLeft ? "\\rtlpar\\rtlch\\rtlmark" : "\\ltrpar\\ltrch\\ltrmark";
}

void DocumentReader::OnDirectionSwitch(const RtfBuffer&, RtfBuffer& out) {
    out += rightToLeft ? "\\ltrch\\ltrmark" : "\\rtlch\\rtlmark";
    SetScript(rightToLeft ? 1 : 2, out);
}

void DocumentReader::OnDirectionRestore(const RtfBuffer&, RtfBuffer& out) {
    out += rightToLeft ? "\\rtlch\\rtlmark" : "\\ltrch\\ltrmark";
    SetScript(1, out);
}

void DocumentReader::OnReversedText(const RtfBuffer& code, RtfBuffer& out) {
    if (code.At(1) != 2) return;
    const size_t length = code.WordOr0(2);
    if (length <= 6) return;
    RtfBuffer converted;
    if (!RunNested(std::string_view(code).substr(6, length - 6), converted, true)) return;
    if (converted.empty()) return;
    // Inside reversed text the whole result is one unit, so that the outer
    // reversal keeps it as it is.
    const bool asOneUnit = reversedTextDepth > 0;
    if (asOneUnit) out += '{';
    out += ReverseCharacters(converted);
    if (asOneUnit) out += '}';
    // Readers take a code page as the document's, not the group's: the next
    // script character selects its script again.
    script = 0;
}

}  // namespace quorin
