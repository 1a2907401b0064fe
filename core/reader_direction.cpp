// Right-to-left text: direction codes and reversed text.
#include <string>
#include <vector>

#include "core/document_reader.h"

namespace quorin {

namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Reverses the order of the RTF units of `text`: every escape or control word
// is a unit, and a brace group stays one unit with its inner order kept. A
// group that starts with "\uc2" keeps only its fallback bytes.
std::string ReverseUnits(std::string text) {
    ReplaceAll(text, "{}", "");
    ReplaceAll(text, "{\\", "\\{");

    std::vector<std::string_view> tokens;
    const std::string_view all(text);
    for (size_t at = 0; at < all.size();) {
        const size_t end = std::min(all.find('\\', at), all.size());
        if (end > at) tokens.push_back(all.substr(at, end - at));
        at = end + 1;
    }

    std::string reversed;
    for (size_t i = 0; i < tokens.size(); ++i) {
        std::string unit = "\\" + std::string(tokens[i]);
        if (unit.find('{') != std::string::npos) {
            while (unit.find('}') == std::string::npos && i + 1 < tokens.size()) {
                const std::string_view next = tokens[++i];
                if (unit.find("uc2") != std::string::npos) {
                    ReplaceAll(unit, "\\uc2", "");
                    ReplaceAll(unit, "\\{uc2", "{");
                } else {
                    unit += '\\';
                    unit += next;
                }
            }
        }
        reversed.insert(0, unit);
    }
    ReplaceAll(reversed, "\\{", "{\\");
    return reversed;
}

}  // namespace

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
    out += ReverseUnits(std::move(converted));
}

}  // namespace quorin
