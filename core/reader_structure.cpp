// Headers, footers, notes and marks: codes that carry a sub-document, each
// converted by a nested run on a copy of the reader.
#include <algorithm>
#include <memory>
#include <string_view>

#include "core/document_reader.h"

namespace quorin {

namespace {

std::string_view DirectionText(bool rightToLeft) {
    return rightToLeft ? "\\rtlpar\\rtlch\\rtlmark" : "\\ltrpar\\ltrch\\ltrmark";
}

// The bytes of a variable-length code from `start` up to its length word L
// (empty when start lies beyond L), never past the code itself.
std::string_view SubDocument(const RtfBuffer& code, size_t start) {
    size_t end = std::min<size_t>(code.WordOr0(2), code.size());
    return start < end ? std::string_view(code).substr(start, end - start) : std::string_view();
}

// Empty groups carry nothing into a field instruction.
RtfBuffer WithoutEmptyGroups(std::string_view rtf) {
    RtfBuffer result;
    for (size_t i = 0; i < rtf.size(); ++i) {
        if (rtf.substr(i, 2) == "{}") ++i;
        else result += rtf[i];
    }
    return result;
}

}  // namespace

void DocumentReader::AdjustFieldDepth(uint8_t up) {
    if (up == 1) ++fieldDepth;
    else if (fieldDepth > 0) --fieldDepth;
}

void DocumentReader::CloseOpenMarks(RtfBuffer& out, size_t end) {
    while (!openMarks.empty()) {
        OpenMark mark = std::move(openMarks.back());
        openMarks.pop_back();
        WriteMarkEntry(mark, end, {}, out);
    }
}

// The entry is a TC field: hidden by word processors that show the text of a
// "\tc" group, and turned into a table-of-contents mark by those that build
// tables of contents.
void DocumentReader::WriteMarkEntry(OpenMark& mark, size_t end, std::string_view levelSwitch, RtfBuffer& out) {
    const bool sameStream = mark.stream.data() == unitStream.data() && mark.stream.size() == unitStream.size();
    if (!mark.entryReader || !sameStream || end <= mark.start || end > mark.stream.size()) return;
    RtfBuffer marked{mark.stream.substr(mark.start, end - mark.start)}, text;
    mark.entryReader->Run(marked, text, nullptr, stopAtNul);
    text = WithoutEmptyGroups(text);
    // The space that ends the copy's paragraph belongs to no entry.
    while (text.ends_with("\\'20")) text.resize(text.size() - 4);
    if (text.empty()) return;
    out += "{\\field{\\*\\fldinst {TC \"";
    out += text;
    out += '"';
    if (!levelSwitch.empty()) {
        out += ' ';
        out += levelSwitch;
    }
    out += "}}{\\fldrslt }}";
}

void DocumentReader::OnHeaderFooter(const RtfBuffer& code, RtfBuffer& out) {
    uint8_t occurrence = code.At(11);
    if (code.WordOr0(2) < 20) return;
    std::string_view kind;
    switch (code.At(1)) {
        case 0: case 1: kind = "header"; break;
        case 3: case 4: kind = "footer"; break;
        default: return;
    }
    bool right = occurrence == 1 || occurrence == 2, left = occurrence == 1 || occurrence == 4;
    RtfBuffer text;
    if (!(right || left) || !RunNested(SubDocument(code, 22), text)) return;
    for (auto [wanted, side] : {std::pair{right, 'r'}, std::pair{left, 'l'}}) {
        if (!wanted) continue;
        out += "{\\";
        out += kind;
        out += side;
        out += "\\f0\\sz24\\qj";
        out += DirectionText(rightToLeft);
        out += text;
        out += '}';
    }
}

void DocumentReader::OnNote(const RtfBuffer& code, RtfBuffer& out) {
    size_t start;
    std::string_view opening;
    switch (code.At(1)) {
        case 0:
            code.At(4);
            start = ((code.At(7) + 1) % 256) * 2 + 17;
            opening = "{\\super\\chftn}{\\footnote\\f0\\sz24\\qj";
            break;
        case 1:
            code.At(4);
            start = 11;
            opening = "{\\super\\chftn}{\\footnote\\ftnalt\\f0\\sz24\\qj";
            break;
        default: return;
    }
    RtfBuffer text;
    if (!RunNested(SubDocument(code, start), text)) return;
    out += opening;
    out += DirectionText(rightToLeft);
    out += text;
    out += '}';
}

void DocumentReader::OnMark(const RtfBuffer& code, RtfBuffer& out) {
    switch (code.At(1)) {
        case 0: {
            if (writesMarkEntry) return;
            OpenMark mark{unitStream, unitStart + code.size(), nullptr};
            // Marks nested beyond the bound show their text without entries,
            // so that the work stays linear in the document.
            if (openMarks.size() < kMaxNestingDepth) mark.entryReader = NestedCopy();
            if (mark.entryReader) {
                mark.entryReader->AdjustFieldDepth(1);
                mark.entryReader->writesMarkEntry = true;
            }
            openMarks.push_back(std::move(mark));
            break;
        }
        case 1: {
            const uint8_t level = code.At(4);
            if (writesMarkEntry || openMarks.empty()) return;  // an end without its start has no entry
            OpenMark mark = std::move(openMarks.back());
            openMarks.pop_back();
            RtfBuffer levelSwitch(level == 2 ? "\\\\f " : "\\\\l ");
            levelSwitch.AppendDecimal(level % 64 + 1);
            WriteMarkEntry(mark, unitStart, levelSwitch, out);
            break;
        }
        case 4: {  // table-of-authorities mark: short form, zero byte, long form
            unsigned section = code.At(4);  // 32 for a short-form mark
            std::unique_ptr<DocumentReader> copy = NestedCopy();
            if (!copy) return;
            copy->AdjustFieldDepth(1);
            // One copy runs both forms, so formatting left by the short form carries on.
            RtfBuffer shortForm{SubDocument(code, 6)}, longForm, shortText, longText;
            size_t shortLength = copy->Run(shortForm, shortText, nullptr, true);
            longForm = SubDocument(code, shortLength + 7);
            copy->Run(longForm, longText, nullptr, true);

            out += "{\\field{\\*\\fldinst {TA ";
            if (section != 32) {
                out += "\\\\l \"";
                out += WithoutEmptyGroups(longText);
                out += "\" ";
            }
            out += "\\\\s \"";
            out += WithoutEmptyGroups(shortText);
            out += "\" ";
            if (section != 32) {
                out.AppendControl("\\\\c ", section + 1);
                out += ' ';
            }
            out += "}}{\\fldrslt }}";
            break;
        }
        default: break;
    }
}

}  // namespace quorin
