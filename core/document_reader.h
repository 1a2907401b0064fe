#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/cancel_request.h"
#include "core/code_view.h"
#include "core/conversion_notes.h"
#include "core/conversion_options.h"
#include "core/progress_tracker.h"
#include "core/rtf_buffer.h"
#include "core/rtf_sink.h"

namespace quorin {

// Caps the RTF that one conversion may write, over the document reader and
// every nested reader it makes, so that no input can make the conversion eat
// the machine's memory. Exceeding it ends the conversion with
// std::length_error, which the batch reports as a failed conversion.
struct OutputBudget {
    size_t limit;
    size_t used = 0;
    void Charge(size_t bytes);
    // What a document whose code stream is `inputBytes` long may write: far
    // beyond what any real document needs (a few times its size).
    static size_t For(size_t inputBytes) { return 100 * inputBytes + (size_t{16} << 20); }
};

// Walks a WordPerfect 5.x code stream and appends the equivalent RTF text.
// One reader converts one document (or one sub-document, through a copy).
class DocumentReader {
public:
    using CodeOperation = void (DocumentReader::*)(const RtfBuffer& code, RtfBuffer& out);
    using CodeTable = std::array<CodeOperation, 256>;

    // Nested runs (headers, footers, notes, marks, reversed text) deeper than
    // this write nothing, so a small file cannot demand unbounded output.
    static constexpr int kMaxNestingDepth = 8;

    DocumentReader(const ConversionOptions& options, const CancelRequest& cancel);
    DocumentReader(const DocumentReader& other);  // for sub-documents: see .cpp
    DocumentReader& operator=(const DocumentReader&) = delete;
    virtual ~DocumentReader() = default;

    // The process-wide table from a code's first byte to its operation.
    static const CodeTable& Codes();

    // Runs the loop over the code stream, appending to out; returns the bytes
    // consumed. The stream is emptied when the run ends.
    virtual size_t Run(RtfBuffer& stream, RtfBuffer& out, ProgressTracker* tracker, bool stopAtZero);
    // The same run over bytes the caller keeps, writing to a sink.
    size_t Run(CodeView stream, RtfSink& out, ProgressTracker* tracker, bool stopAtZero);
    // Runs the loop over a document's code stream: its initial codes, then
    // its document area, read where they lie.
    void RunDocument(CodeView initialCodes, CodeView documentArea, RtfSink& out, ProgressTracker* tracker);

    // Converts a sub-document with a copy of this reader (stop at zero, no
    // progress) and appends its RTF to result; with asReversedText the copy
    // writes text that is reversed afterwards: paragraph ends as spaces (one
    // field level deeper) and every character as one unit. Returns false,
    // writing nothing, when the nesting bound is reached. The one place that
    // makes nested runs.
    bool RunNested(std::string_view subDocument, RtfBuffer& result, bool asReversedText = false) const;

    // Character attributes, fonts and scripts.
    virtual int16_t FontSizeHalfPoints();
    virtual void BreakSection(RtfBuffer& out);
    virtual void WriteFont(int fontNumber, RtfBuffer& out);
    virtual void SetScript(int newScript, RtfBuffer& out);
    virtual int TextWidth();
    virtual void AdjustFieldDepth(uint8_t up);
    virtual void WriteFontSize(RtfBuffer& out);

    // Characters: set 0 (plain text) and the extended sets 1 to 14.
    virtual void WritePlainCharacter(uint8_t c, RtfBuffer& out);
    virtual void WriteSetCharacter1(uint8_t c, RtfBuffer& out);
    virtual void WriteSetCharacter2(uint8_t c, RtfBuffer& out);
    virtual void WriteSetCharacter3(uint8_t c, RtfBuffer& out);
    virtual void WriteSetCharacter4(uint8_t c, RtfBuffer& out);
    virtual void WriteSetCharacter5(uint8_t c, RtfBuffer& out);
    virtual void WriteSetCharacter6(uint8_t c, RtfBuffer& out);
    virtual void WriteSetCharacter7(uint8_t c, RtfBuffer& out);
    virtual void WriteSetCharacter8(uint8_t c, RtfBuffer& out);
    virtual void WriteSetCharacter9(uint8_t c, RtfBuffer& out);
    virtual void WriteSetCharacter10(uint8_t c, RtfBuffer& out);
    virtual void WriteSetCharacter11(uint8_t c, RtfBuffer& out);
    virtual void WriteSetCharacter12(uint8_t c, RtfBuffer& out);
    virtual void WriteSetCharacter13(uint8_t c, RtfBuffer& out);
    virtual void WriteSetCharacter14(uint8_t c, RtfBuffer& out);
    virtual RtfBuffer WriteUnknownSetCharacter(uint8_t set, uint8_t c);
    // Calls the operation of set 0 to 14, or appends the placeholder.
    void WriteExtendedCharacter(uint8_t set, uint8_t c, RtfBuffer& out);

    // Code operations, reached through the code table.
    virtual void IgnoreCode(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnPageNumber(const RtfBuffer& code, RtfBuffer& out);
    virtual void EndParagraph(RtfBuffer& out);
    virtual void OnHardReturn(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnSoftPage(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnHardPage(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnSoftReturn(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnAlignRight(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnAlignFull(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnCenterPage(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnColumnsOn(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnColumnsOff(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnWidowControlOn(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnWidowControlOff(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnNoteNumber(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnHardSpace(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnHardHyphen(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnSoftHyphen(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnDirectionSwitch(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnDirectionRestore(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnTableDefinition(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnTableRow(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnTableCell(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnTableOff(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnExtendedCharacter(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnTab(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnIndent(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnAttributeOn(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnAttributeOff(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnPageFormat(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnFontGroup(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnDefinition(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnSetting(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnHeaderFooter(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnNote(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnMark(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnReversedText(const RtfBuffer& code, RtfBuffer& out);
    // A box (0xDA): its text and caption where it stands; what it holds
    // besides text is counted in the notes.
    virtual void OnBox(const RtfBuffer& code, RtfBuffer& out);
    // Subfunction 19 of OnSetting.
    virtual void OnTextDirection(const RtfBuffer& code, RtfBuffer& out);
    // Codes that write nothing.
    virtual void OnCode8E(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnCode98(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnCode9A(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnCode9B(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnCode9E(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnCode9F(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnCodeB2(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnCodeC5(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnCodeC6(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnCodeC7(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnCodeD4(const RtfBuffer& code, RtfBuffer& out);
    // Codes that write nothing but test that their subfunction byte is there.
    virtual void OnCodeD9(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnCodeDE(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnCodeDF(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnStyle(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnTableEndOfLine(const RtfBuffer& code, RtfBuffer& out);
    virtual void OnTableEndOfPage(const RtfBuffer& code, RtfBuffer& out);

    // Reader state, in the order the format's documentation lists it.
    bool stopAtNul = false;
    float fontSizePoints = 12.0f;
    int script = 0;
    int sizePercent = 100;
    int baseFont = 0;
    int columnCount = 1;
    int pageWidth = 12240;
    int pageHeight = 15840;
    int marginLeft = 1440;
    int marginRight = 1440;
    int marginTop = 1440;
    int marginBottom = 1440;
    int fieldDepth = 0;
    bool columnsOn = false;
    bool lineTabsSet = false;
    bool rightToLeft = false;
    bool sectionHasText = false;
    bool paragraphOpen = false;
    RtfBuffer pendingFormat;

    // How many nested runs enclose this reader (0 for the document itself).
    int nestingDepth = 0;
    // Shared by the readers of one conversion; none means no cap.
    OutputBudget* outputBudget = nullptr;
    // What the readers of one conversion did not carry; none: not counted.
    ConversionNotes* notes = nullptr;
    // How many reversed-text codes enclose this reader. Their text is reversed
    // unit by unit afterwards, so every character is written as one unit.
    int reversedTextDepth = 0;
    // Text marked for a table of contents or a list is written where it
    // stands; its end code adds an invisible entry with the same text, which a
    // copy of the reader made at the start code converts from the marked bytes
    // (as field text: paragraph ends as spaces, quotation marks escaped).
    struct OpenMark {
        CodeView stream;  // the marked bytes start here, at `start`
        size_t start;
        std::unique_ptr<DocumentReader> entryReader;  // none: no entry is written
    };
    // Marks this reader has opened and not closed; a copy starts with none,
    // so an end code closes only what its own reader opened.
    std::vector<OpenMark> openMarks;
    // Set in the copy that writes an entry's text: marks inside it write nothing.
    bool writesMarkEntry = false;
    // Where the last box code that wrote text ends (or a box code right after
    // it), so that a box standing right there is set apart from it.
    const char* afterLastBox = nullptr;

protected:
    const ConversionOptions& options;
    const CancelRequest& cancel;  // of the whole conversion, shared by every copy

    // Handles the unit at cursor: frames it, advances cursor (always by at
    // least one byte) and appends its RTF to out. Returns false when the run
    // must end here (a code cut off by the end of the stream).
    bool Step(const CodeView& stream, size_t& cursor, RtfBuffer& out);
    void Charge(size_t bytes) {
        if (outputBudget) outputBudget->Charge(bytes);
    }
    // A copy of this reader one nesting level deeper, for a sub-document that
    // needs more than RunNested gives (several runs on one copy);
    // empty at the nesting bound. RunNested is built on it.
    std::unique_ptr<DocumentReader> NestedCopy() const;
    // Ends the marks left open when a run or a table cell ends at `end` (an
    // offset in the stream the marks started in), writing their entries.
    void CloseOpenMarks(RtfBuffer& out, size_t end);
    // Writes the entry of a mark whose text ends at `end`, with its level
    // switch (empty for none).
    void WriteMarkEntry(OpenMark& mark, size_t end, std::string_view levelSwitch, RtfBuffer& out);
    // The unit Step is handling: where a mark code finds its position.
    CodeView unitStream;  // the stream of the unit being read
    size_t unitStart = 0;
    // Dispatches one framed code through the code table.
    void CallCode(uint8_t codeByte, const RtfBuffer& code, RtfBuffer& out) {
        (this->*Codes()[codeByte])(code, out);
    }

    static bool IsText(uint8_t b) { return b >= 0x20 && b <= 0x7E; }
    bool PlainTextNeedsNoRules() const {
        return fieldDepth == 0 && !(options.reverseParentheses != 0 && rightToLeft);
    }
    void WriteTextRun(const CodeView& stream, size_t& cursor, RtfSink& out, ProgressTracker* tracker,
                      size_t trackerOffset);

    // Per-code scratch, reused so that the loop does not allocate per unit.
    RtfBuffer codeText;
    RtfBuffer codeOutput;
    RtfBuffer unitOutput;

    void SetTextMarks() { sectionHasText = paragraphOpen = true; }
    // In reversed text, puts the character form written from `start` on into
    // a group of its own when it is more than one unit.
    void KeepCharacterAsOneUnit(RtfBuffer& out, size_t start) const;

private:
    static void InitCodeTable(CodeTable& table);
    bool StepUnit(const CodeView& stream, size_t& cursor, RtfBuffer& out);
    // The loop over one stream from cursor; returns where it stopped. With
    // wholeUnitsOnly it stops before a unit that the stream's end cuts off.
    size_t Walk(const CodeView& stream, size_t cursor, RtfSink& out, ProgressTracker* tracker, size_t trackerOffset,
                bool wholeUnitsOnly);
    // Ends the open paragraph and marks when a run ends.
    // Ends the paragraph and the marks left open; `end` is where the last stream walked ended.
    void FinishRun(RtfSink& out, size_t end);
    // The common steps of the set operations 1 to 14.
    void WriteSetCharacter(uint8_t set, uint8_t c, RtfBuffer& out);
};

// Converts the whole table whose definition code (0xD2, subfunction 0x0B)
// starts at `cursor` into `out` and moves `cursor` past it, always by at least
// one byte. The reader loop calls it at a table definition; the table reader
// provides it.
void HandOverTable(const DocumentReader& reader, const CodeView& stream, size_t& cursor, RtfBuffer& out);

// Length in bytes of a WordPerfect length (1/1200 inch) in twips.
inline int ToTwips(int units) { return units * 1440 / 1200; }

}  // namespace quorin
