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

// Style names are written as they are, except the three characters that
// would break the RTF groups.
void AppendName(std::string_view name, RtfBuffer& out) {
    for (char c : name) {
        if (c == '\\' || c == '{' || c == '}') out += '\\';
        out += c;
    }
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

    const std::string_view opening = paragraphStyle ? "{\\*\\s" : "{\\*\\cs";
    piece += opening;
    piece.AppendDecimal(number);
    piece += '{';
    piece += formatting;
    piece += "}{";
    AppendName(name, piece);
    piece += "}}";
    piece += opening;
    piece.AppendDecimal(number + 256);
    piece += "\\shidden{";
    piece += endFormatting;
    piece += "}}\n";
}

}  // namespace quorin
