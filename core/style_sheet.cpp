#include "core/style_sheet.h"

#include <algorithm>
#include <string_view>

#include "core/document_reader.h"

namespace quorin {

namespace {

constexpr size_t kRunsStart = 88;

// A run length whose word the packet does not wholly hold counts as 0.
size_t RunLength(const RtfBuffer& packet, size_t offset) {
    return offset + 2 <= packet.size() ? packet.WordOr0(offset) : 0;
}

// The packet's bytes [start, start + length), cut at its end.
std::string_view Cut(const RtfBuffer& packet, size_t start, size_t length) {
    return start < packet.size() ? std::string_view(packet).substr(start, length) : std::string_view();
}

// The control words that a style entry may carry: character and paragraph
// formatting. Everything else the style's codes write (text, paragraph and
// page breaks, tabs, headers and notes in groups of their own, section and
// page settings, direction marks) is no formatting of a style, and a reader
// may show it as text, so it is left out.
constexpr std::string_view kFormattingWords[] = {
    "b",  "i",  "ul", "uldb", "strike", "scaps", "outl", "shad", "super", "sub", "nosupersub", "fs", "f",
    "lang", "fi", "li", "ri", "lin", "qc", "qj", "ql", "qr", "tx", "tqc", "tqr", "tldot", "widctlpar",
    "nowidctlpar", "rtlpar", "ltrpar", "rtlch", "ltrch"};

bool IsLetter(char c) { return c >= 'a' && c <= 'z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The formatting control words of `rtf` at its outer level, in order.
RtfBuffer FormattingOf(std::string_view rtf) {
    RtfBuffer kept;
    int depth = 0;
    for (size_t i = 0; i < rtf.size();) {
        const char c = rtf[i];
        if (c == '{' || c == '}') {
            depth += c == '{' ? 1 : -1;
            ++i;
            continue;
        }
        if (c != '\\' || i + 1 == rtf.size()) {
            ++i;
            continue;
        }
        size_t end = i + 1;
        if (!IsLetter(rtf[end])) {  // a control symbol or "\'hh": text, or no formatting
            i = end + (rtf[end] == '\'' ? 3 : 1);
            continue;
        }
        while (end < rtf.size() && IsLetter(rtf[end])) ++end;
        const std::string_view word = rtf.substr(i + 1, end - i - 1);
        if (end < rtf.size() && rtf[end] == '-') ++end;
        while (end < rtf.size() && IsDigit(rtf[end])) ++end;
        if (depth == 0 && std::find(std::begin(kFormattingWords), std::end(kFormattingWords), word) !=
                              std::end(kFormattingWords))
            kept += rtf.substr(i, end - i);
        i = end + (end < rtf.size() && rtf[end] == ' ' ? 1 : 0);
    }
    return kept;
}

// A style's name as the style sheet wants it: ended by ";", so the name's
// own ";", braces and backslashes, and bytes beyond ASCII, are escaped;
// control bytes are dropped.
void AppendName(std::string_view name, RtfBuffer& out) {
    static constexpr char kHex[] = "0123456789abcdef";
    for (char c : name) {
        const auto byte = static_cast<uint8_t>(c);
        if (byte < 0x20 || byte == 0x7F) continue;
        if (byte >= 0x80 || c == ';' || c == '\\' || c == '{' || c == '}') {
            out += "\\'";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        } else {
            out += c;
        }
    }
}

// One entry: "{\s5\b\fs24 Name;}" for a paragraph style,
// "{\*\cs5\additive\b Name;}" for a character style.
void AppendEntry(bool paragraphStyle, int number, bool hidden, std::string_view formatting, std::string_view name,
                 std::string_view nameEnd, RtfBuffer& out) {
    out += paragraphStyle ? "{\\s" : "{\\*\\cs";
    out.AppendDecimal(number);
    if (!paragraphStyle) out += "\\additive";
    if (hidden) out += "\\shidden";
    out += formatting;
    out += ' ';
    AppendName(name, out);
    out += nameEnd;
    out += ";}";
}

}  // namespace

void WriteStyleEntries(const RtfBuffer& packet, RtfBuffer& piece, const ConversionOptions& options,
                       const CancelRequest& cancel, OutputBudget* budget) {
    const int8_t kind = packet.SignedAt(21);  // a packet shorter than 21 bytes is refused
    const RtfBuffer rawName(std::string_view(packet).substr(0, packet.find('\0')));
    RtfBuffer name;
    bool paragraphStyle;
    if (!rawName.empty() && static_cast<uint8_t>(rawName[0]) == 0x7F) {
        // An outline style: the name after three bytes, then " Level " and the level byte.
        const uint8_t level = rawName.At(2);  // a name shorter than 2 bytes is refused
        name = RtfBuffer(std::string_view(rawName).substr(std::min<size_t>(3, rawName.size())));
        name += " Level ";
        if (level != 0) name += static_cast<char>(level);
        paragraphStyle = true;
    } else {
        name = rawName;
        paragraphStyle = kind / 2 != 0;
    }

    const int number = packet.SignedAt(77);  // a packet shorter than 77 bytes is refused
    const size_t lengthA = RunLength(packet, 78), lengthB = RunLength(packet, 82), lengthC = RunLength(packet, 86);
    RtfBuffer runA{Cut(packet, kRunsStart, lengthA)};
    RtfBuffer runBC{Cut(packet, kRunsStart + lengthA, lengthB)};
    runBC += Cut(packet, kRunsStart + lengthA + lengthB, lengthC);

    // The style's codes become its formatting: run A for the style, runs B
    // and C (the codes that end it) for its hidden partner.
    DocumentReader reader(options, cancel);
    reader.outputBudget = budget;
    RtfBuffer formatting, endFormatting;
    reader.Run(runA, formatting, nullptr, false);
    reader.Run(runBC, endFormatting, nullptr, false);

    // The style, and a hidden partner under the number plus 256 that the
    // style's end refers to; a name of its own keeps the two apart.
    AppendEntry(paragraphStyle, number, false, FormattingOf(formatting), name, "", piece);
    AppendEntry(paragraphStyle, number + 256, true, FormattingOf(endFormatting), name, " (end)", piece);
    piece += '\n';
}

}  // namespace quorin
