#include "core/document_reader.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace quorin {

namespace {

// Lengths of the fixed-length codes 0xC0 to 0xCF, code byte included.
constexpr uint8_t kFixedLength[16] = {4, 9, 11, 3, 3, 5, 6, 7, 4, 5, 6, 6, 8, 10, 10, 12};

// "\'hh" for every byte, with upper-case digits.
constexpr auto kEscapes = [] {
    constexpr char digits[] = "0123456789ABCDEF";
    std::array<std::array<char, 4>, 256> table{};
    for (int c = 0; c < 256; ++c) table[c] = {'\\', '\'', digits[c >> 4], digits[c & 0x0F]};
    return table;
}();

}  // namespace

DocumentReader::DocumentReader(const ConversionOptions& options, const CancelRequest& cancel)
    : rightToLeft(options.rightToLeftDocument != 0), options(options), cancel(cancel) {}

// A copy converts a sub-document: it keeps the fonts, page, columns, field
// depth and direction, but starts without a script, size attribute, text marks
// or pending paragraph format, so its first script character writes its
// language, font and size in full. Nothing flows back to the original.
DocumentReader::DocumentReader(const DocumentReader& other)
    : stopAtNul(other.stopAtNul),
      fontSizePoints(other.fontSizePoints),
      baseFont(other.baseFont),
      columnCount(other.columnCount),
      pageWidth(other.pageWidth),
      pageHeight(other.pageHeight),
      marginLeft(other.marginLeft),
      marginRight(other.marginRight),
      marginTop(other.marginTop),
      marginBottom(other.marginBottom),
      fieldDepth(other.fieldDepth),
      columnsOn(other.columnsOn),
      lineTabsSet(other.lineTabsSet),
      rightToLeft(other.rightToLeft),
      nestingDepth(other.nestingDepth),
      outputBudget(other.outputBudget),
      notes(other.notes),
      reversedTextDepth(other.reversedTextDepth),
      writesMarkEntry(other.writesMarkEntry),
      options(other.options),
      cancel(other.cancel) {}

const DocumentReader::CodeTable& DocumentReader::Codes() {
    static const CodeTable table = [] {
        CodeTable t;
        InitCodeTable(t);
        return t;
    }();
    return table;
}

void DocumentReader::InitCodeTable(CodeTable& t) {
    using R = DocumentReader;
    t.fill(&R::IgnoreCode);
    t[0x02] = &R::OnPageNumber;
    t[0x0A] = &R::OnHardReturn;
    t[0x0B] = &R::OnSoftPage;
    t[0x0C] = &R::OnHardPage;
    t[0x0D] = &R::OnSoftReturn;
    t[0x81] = &R::OnAlignRight;
    t[0x82] = &R::OnAlignFull;
    t[0x86] = &R::OnCenterPage;
    t[0x87] = &R::OnColumnsOn;
    t[0x88] = &R::OnColumnsOff;
    t[0x8A] = &R::OnWidowControlOn;
    t[0x8B] = &R::OnWidowControlOff;
    t[0x8C] = &R::OnHardReturn;
    t[0x8D] = &R::OnNoteNumber;
    t[0x8E] = &R::OnCode8E;
    t[0x90] = &R::OnSoftReturn;
    t[0x91] = t[0x92] = &R::OnSoftPage;
    t[0x93] = t[0x94] = t[0x95] = t[0xA0] = &R::OnHardSpace;
    t[0x98] = &R::OnCode98;
    t[0x9A] = &R::OnCode9A;
    t[0x9B] = &R::OnCode9B;
    t[0x9E] = &R::OnCode9E;
    t[0x9F] = &R::OnCode9F;
    t[0xA9] = t[0xAA] = t[0xAB] = &R::OnHardHyphen;
    t[0xAC] = t[0xAD] = t[0xAE] = &R::OnSoftHyphen;
    t[0xAF] = t[0xB0] = &R::OnColumnsOff;
    t[0xB2] = &R::OnCodeB2;
    t[0xB3] = &R::OnDirectionSwitch;
    t[0xB4] = &R::OnDirectionRestore;
    t[0xC0] = &R::OnExtendedCharacter;
    t[0xC1] = &R::OnTab;
    t[0xC2] = &R::OnIndent;
    t[0xC3] = &R::OnAttributeOn;
    t[0xC4] = &R::OnAttributeOff;
    t[0xC5] = &R::OnCodeC5;
    t[0xC6] = &R::OnCodeC6;
    t[0xC7] = &R::OnCodeC7;
    t[0xD0] = &R::OnPageFormat;
    t[0xD1] = &R::OnFontGroup;
    t[0xD2] = &R::OnDefinition;
    t[0xD3] = &R::OnSetting;
    t[0xD4] = &R::OnCodeD4;
    t[0xD5] = &R::OnHeaderFooter;
    t[0xD6] = &R::OnNote;
    t[0xD7] = &R::OnMark;
    t[0xD8] = &R::OnReversedText;
    t[0xD9] = &R::OnCodeD9;
    t[0xDA] = &R::OnBox;
    t[0xDB] = &R::OnStyle;
    t[0xDC] = &R::OnTableEndOfLine;
    t[0xDD] = &R::OnTableEndOfPage;
    t[0xDE] = &R::OnCodeDE;
    t[0xDF] = &R::OnCodeDF;
}

void OutputBudget::Charge(size_t bytes) {
    used += bytes;
    if (used > limit) throw std::length_error("the document would convert to an unreasonable amount of RTF");
}

size_t DocumentReader::Run(RtfBuffer& stream, RtfBuffer& out, ProgressTracker* tracker, bool stopAtZero) {
    size_t consumed;
    {
        AppendingSink sink(out);
        consumed = Run(CodeView(stream), sink, tracker, stopAtZero);
    }
    stream.clear();
    stream.shrink_to_fit();
    return consumed;
}

size_t DocumentReader::Run(CodeView stream, RtfSink& out, ProgressTracker* tracker, bool stopAtZero) {
    const bool savedStopAtNul = stopAtNul;
    stopAtNul = stopAtZero;
    if (tracker) {
        tracker->SetFileRange(0, static_cast<int32_t>(stream.size()));
        tracker->BeginFile();
    }
    const size_t cursor = Walk(stream, 0, out, tracker, 0, false);
    FinishRun(out, cursor);
    stopAtNul = savedStopAtNul;
    return cursor;
}

namespace {

// Whether the unit at cursor lies whole before the end of the stream.
bool UnitIsWhole(const CodeView& stream, size_t cursor) {
    const size_t left = stream.size() - cursor;
    const uint8_t b = static_cast<uint8_t>(stream[cursor]);
    if (b < 0xC0) return true;
    if (b == 0xC0) return left >= 4;
    if (b <= 0xCF) return left >= kFixedLength[b - 0xC0];
    // A table reads on to its end, wherever that is.
    if (left < 4 || (b == 0xD2 && stream[cursor + 1] == 0x0B)) return false;
    return stream.WordOr0(cursor + 2) + size_t{4} <= left;
}

}  // namespace

void DocumentReader::RunDocument(CodeView initialCodes, CodeView documentArea, RtfSink& out,
                                 ProgressTracker* tracker) {
    stopAtNul = false;
    if (tracker) {
        tracker->SetFileRange(0, static_cast<int32_t>(initialCodes.size() + documentArea.size()));
        tracker->BeginFile();
    }
    size_t cursor = Walk(initialCodes, 0, out, tracker, 0, true);
    // Open marks read their text from the last stream walked, so it lives
    // until the run is finished.
    std::string joined;
    if (!cancel.Requested()) {
        if (cursor == initialCodes.size()) {
            cursor = Walk(documentArea, 0, out, tracker, cursor, false);
        } else {
            // A code the end of the initial codes cuts off reads on into the
            // document area; only that rare case joins the two.
            joined = initialCodes.substr(cursor);
            joined += documentArea;
            cursor = Walk(joined, 0, out, tracker, cursor, false);
        }
    }
    FinishRun(out, cursor);
}

size_t DocumentReader::Walk(const CodeView& stream, size_t cursor, RtfSink& out, ProgressTracker* tracker,
                            size_t trackerOffset, bool wholeUnitsOnly) {
    const size_t end = stream.size();
    while (cursor < end && !cancel.Requested()) {
        if (IsText(static_cast<uint8_t>(stream[cursor])) && PlainTextNeedsNoRules()) {
            WriteTextRun(stream, cursor, out, tracker, trackerOffset);
            continue;
        }
        if (stream[cursor] == 0 && stopAtNul) break;
        if (wholeUnitsOnly && !UnitIsWhole(stream, cursor)) break;
        unitOutput.clear();
        const bool goOn = Step(stream, cursor, unitOutput);
        out.Append(unitOutput);
        if (tracker) tracker->UpdatePosition(static_cast<int32_t>(trackerOffset + cursor));
        if (!goOn) break;
    }
    return cursor;
}

void DocumentReader::FinishRun(RtfSink& out, size_t end) {
    unitOutput.clear();
    if (paragraphOpen) EndParagraph(unitOutput);
    CloseOpenMarks(unitOutput, end);
    out.Append(unitOutput);
}

// Most of a document is plain text, and plain text outside field text and
// reversed parentheses is one hexadecimal escape per byte: such runs are
// written in bulk, up to a bounded length so that a cancel request is still
// seen soon. The output is what WritePlainCharacter writes byte by byte.
void DocumentReader::WriteTextRun(const CodeView& stream, size_t& cursor, RtfSink& out, ProgressTracker* tracker,
                                  size_t trackerOffset) {
    static constexpr size_t kLongestRun = 4096;
    const size_t limit = std::min(stream.size(), cursor + kLongestRun);
    // One pass: each byte is tested and written; the room is taken for the
    // longest run and only what was written is committed and charged.
    char* const start = out.Reserve(4 * (limit - cursor));
    char* to = start;
    size_t runEnd = cursor;
    for (; runEnd < limit && IsText(static_cast<uint8_t>(stream[runEnd])); ++runEnd, to += 4)
        std::memcpy(to, kEscapes[static_cast<uint8_t>(stream[runEnd])].data(), 4);
    const size_t bytes = static_cast<size_t>(to - start);
    Charge(bytes);
    out.Commit(bytes);
    SetTextMarks();
    if (tracker)
        for (size_t at = cursor + 1; at <= runEnd; ++at)
            tracker->UpdatePosition(static_cast<int32_t>(trackerOffset + at));
    cursor = runEnd;
}

bool DocumentReader::Step(const CodeView& stream, size_t& cursor, RtfBuffer& out) {
    const size_t before = out.size();
    unitStream = stream;
    unitStart = cursor;
    const bool goOn = StepUnit(stream, cursor, out);
    Charge(out.size() - before);
    return goOn;
}

bool DocumentReader::StepUnit(const CodeView& stream, size_t& cursor, RtfBuffer& out) {
    const size_t end = stream.size();
    const size_t left = end - cursor;
    const uint8_t b = static_cast<uint8_t>(stream[cursor]);
    // Operations may clear the buffer they are given, so they write into out
    // itself only while it holds nothing (as in the loop); else into scratch.
    RtfBuffer& target = out.empty() ? out : codeOutput;
    auto collect = [&] {
        if (&target != &out) out += target;
    };

    if (b >= 0x20 && b <= 0x7E) {
        ++cursor;
        WritePlainCharacter(b, out);  // writes no more than it appends
        return true;
    }
    target.clear();
    if (b < 0x20 || (b >= 0x80 && b <= 0xBF)) {
        ++cursor;
        codeText.assign(1, static_cast<char>(b));
        CallCode(b, codeText, target);
        collect();
        return true;
    }
    if (b == 0x7F) {  // belongs to no class: passed over
        ++cursor;
        return true;
    }
    if (b == 0xC0) {
        if (left < 3) {  // the character and set numbers are cut off
            cursor = end;
            return false;
        }
        WriteExtendedCharacter(static_cast<uint8_t>(stream[cursor + 2]), static_cast<uint8_t>(stream[cursor + 1]),
                               target);
        collect();
        cursor = std::min(cursor + 4, end);
        return true;
    }
    if (b <= 0xCF) {  // fixed length; a code cut off by the end gets the bytes there are
        const size_t length = std::min<size_t>(kFixedLength[b - 0xC0], left);
        codeText.assign(stream, cursor, length);
        cursor += length;
        CallCode(b, codeText, target);
        collect();
        return true;
    }
    // Variable length: code byte, subfunction, length word, then the bytes the
    // word counts. The length is computed without 16-bit wrap-around, so every
    // code moves the cursor at least four bytes.
    if (left < 4) {
        cursor = end;
        return false;
    }
    if (b == 0xD2 && stream[cursor + 1] == 0x0B) {
        HandOverTable(*this, stream, cursor, target);
        collect();
        return true;
    }
    const size_t length = stream.WordOr0(cursor + 2) + size_t{4};
    if (length > left) {  // runs past the end of the stream: skipped, and the run ends
        cursor = end;
        return false;
    }
    codeText.assign(stream, cursor, length);
    cursor += length;
    CallCode(b, codeText, target);
    collect();
    return true;
}

std::unique_ptr<DocumentReader> DocumentReader::NestedCopy() const {
    if (nestingDepth >= kMaxNestingDepth) return nullptr;
    auto nested = std::make_unique<DocumentReader>(*this);
    ++nested->nestingDepth;
    return nested;
}

bool DocumentReader::RunNested(std::string_view subDocument, RtfBuffer& result, bool asReversedText) const {
    std::unique_ptr<DocumentReader> nested = NestedCopy();
    if (!nested) return false;
    if (asReversedText) {
        nested->AdjustFieldDepth(1);
        ++nested->reversedTextDepth;
    }
    AppendingSink sink(result);
    nested->Run(CodeView(subDocument), sink, nullptr, true);
    return true;
}

void DocumentReader::IgnoreCode(const RtfBuffer&, RtfBuffer&) {}
void DocumentReader::OnCode8E(const RtfBuffer&, RtfBuffer&) {}
void DocumentReader::OnCode98(const RtfBuffer&, RtfBuffer&) {}
void DocumentReader::OnCode9A(const RtfBuffer&, RtfBuffer&) {}
void DocumentReader::OnCode9B(const RtfBuffer&, RtfBuffer&) {}
void DocumentReader::OnCode9E(const RtfBuffer&, RtfBuffer&) {}
void DocumentReader::OnCode9F(const RtfBuffer&, RtfBuffer&) {}
void DocumentReader::OnCodeB2(const RtfBuffer&, RtfBuffer&) {}
void DocumentReader::OnCodeC5(const RtfBuffer&, RtfBuffer&) {}
void DocumentReader::OnCodeC6(const RtfBuffer&, RtfBuffer&) {}
void DocumentReader::OnCodeC7(const RtfBuffer&, RtfBuffer&) {}
void DocumentReader::OnCodeD4(const RtfBuffer&, RtfBuffer&) {}
void DocumentReader::OnCodeD9(const RtfBuffer& code, RtfBuffer&) { code.At(1); }

void DocumentReader::OnCodeDE(const RtfBuffer& code, RtfBuffer&) { code.At(1); }
void DocumentReader::OnCodeDF(const RtfBuffer& code, RtfBuffer&) { code.At(1); }

void DocumentReader::OnExtendedCharacter(const RtfBuffer& code, RtfBuffer& out) {
    if (code.size() != 4) return;
    out.clear();
    WriteExtendedCharacter(static_cast<uint8_t>(code[2]), static_cast<uint8_t>(code[1]), out);
}

// Outside a table the table codes only end paragraphs.
void DocumentReader::OnTableDefinition(const RtfBuffer&, RtfBuffer& out) {
    EndParagraph(out);
    EndParagraph(out);
}

void DocumentReader::OnTableRow(const RtfBuffer&, RtfBuffer& out) {
    EndParagraph(out);
    EndParagraph(out);
    EndParagraph(out);
}

void DocumentReader::OnTableCell(const RtfBuffer&, RtfBuffer& out) {
    EndParagraph(out);
    EndParagraph(out);
}

void DocumentReader::OnTableOff(const RtfBuffer&, RtfBuffer& out) {
    EndParagraph(out);
    EndParagraph(out);
}

void DocumentReader::OnTableEndOfLine(const RtfBuffer& code, RtfBuffer& out) {
    switch (code.At(1)) {
        case 0: OnTableCell(code, out); break;
        case 1: OnTableRow(code, out); break;
        case 2: OnTableOff(code, out); break;
        default: break;
    }
}

void DocumentReader::OnTableEndOfPage(const RtfBuffer& code, RtfBuffer& out) {
    switch (code.At(1)) {
        case 1:
        case 3: OnTableRow(code, out); break;
        case 2: OnTableOff(code, out); break;
        default: break;
    }
}

}  // namespace quorin
