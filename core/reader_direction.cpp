// Right-to-left text: direction codes and reversed text.
#include <string>
#include <vector>

#include "core/document_reader.h"

namespace quorin {

namespace {

// One pass over the text, so that many replacements stay linear.
void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    size_t at = text.find(from);
    if (at == std::string::npos) return;
    std::string result;
    result.reserve(text.size());
    size_t copied = 0;
    for (; at != std::string::npos; at = text.find(from, copied)) {
        result.append(text, copied, at - copied);
        result += to;
        copied = at + from.size();
    }
    result.append(text, copied, std::string::npos);
    text = std::move(result);
}

// Group openings minus closings in a piece of RTF text.
long BraceDepth(std::string_view text) {
    long depth = 0;
    for (char c : text) depth += c == '{' ? 1 : c == '}' ? -1 : 0;
    return depth;
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

    std::vector<std::string> units;
    for (size_t i = 0; i < tokens.size(); ++i) {
        std::string unit = "\\" + std::string(tokens[i]);
        // A group is one unit up to the brace that closes it. The braces are
        // counted, so a group holding groups (a note with a Cyrillic letter)
        // stays whole and the result stays balanced. Only what changes is
        // looked at again, so a long group stays linear.
        long depth = BraceDepth(tokens[i]);
        bool hasUc2 = depth > 0 && unit.find("uc2") != std::string::npos;
        while (depth > 0 && i + 1 < tokens.size()) {
            const std::string_view next = tokens[++i];
            if (hasUc2) {  // a "\uc2" group keeps only its fallback bytes
                ReplaceAll(unit, "\\uc2", "");
                ReplaceAll(unit, "\\{uc2", "{");
                hasUc2 = unit.find("uc2") != std::string::npos;
            } else {
                unit += '\\';
                unit += next;
                depth += BraceDepth(next);
                hasUc2 = next.find("uc2") != std::string_view::npos;
            }
        }
        units.push_back(std::move(unit));
    }
    std::string reversed;
    reversed.reserve(text.size() + units.size());
    for (auto unit = units.rbegin(); unit != units.rend(); ++unit) reversed += *unit;
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
    if (converted.empty()) return;
    out += ReverseUnits(std::move(converted));
    // The copy's script selection now stands behind the reversed text and is
    // in force after it: the next script character must state its own again.
    script = 0;
}

}  // namespace quorin
