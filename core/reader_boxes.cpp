// Boxes: the text of text, table and user boxes, equations' source text and
// every box's caption, converted by copies of the reader and written where
// the box stands.
#include "core/box_code.h"
#include "core/document_reader.h"

namespace quorin {

// The box's text, then its caption, are written in place as paragraphs with a
// border around them, in the formatting in force there (as notes are).
// Frames and text boxes were tried: LibreOffice lays the frames of
// consecutive boxes over one another and over the text, and moves a text box
// above the words before it; AbiWord drops the text after a text box.
// What cannot be carried (a graphic, a file on disk) is counted in the notes;
// an equation is counted only when nothing is written for it. Lines hold no
// text. Marked text is read twice (for its entry): only the first reading
// writes and counts.
void DocumentReader::OnBox(const RtfBuffer& code, RtfBuffer& out) {
    const uint8_t kind = code.At(1);
    if (kind >= kBoxKinds || writesMarkEntry) return;
    // Readers draw one border around neighbouring bordered paragraphs: a box
    // right after another (lines or empty boxes between them aside) is set
    // apart by an empty paragraph.
    const char* const at = unitStream.data() + unitStart;
    const bool followsBox = at == afterLastBox;
    afterLastBox = followsBox ? at + code.size() : nullptr;
    if (kind == static_cast<uint8_t>(BoxKind::kHorizontalLine) || kind == static_cast<uint8_t>(BoxKind::kVerticalLine))
        return;
    const BoxCode box = ReadBoxCode(code);
    const auto contentType = static_cast<BoxContentType>(box.contentType);
    RtfBuffer text, caption;
    bool carried = contentType == BoxContentType::kNone;
    if (contentType == BoxContentType::kText || contentType == BoxContentType::kEquation)
        carried = RunNested(box.text, text);
    RunNested(box.caption, caption);
    if (contentType == BoxContentType::kEquation) carried = !text.empty() || !caption.empty();
    if (notes && !carried) ++notes->boxesNotConverted[kind];
    if (text.empty() && caption.empty()) return;

    // In field text (reversed text) paragraph ends are spaces: the text runs on
    // in place, as one unit.
    const bool inParagraphs = fieldDepth == 0;
    if (inParagraphs) {
        if (paragraphOpen || followsBox) EndParagraph(out);
        out += "{\\box\\brdrs\\brdrw10\\brsp80";
    } else {
        out += '{';
    }
    out += text;
    out += caption;
    out += inParagraphs ? "}\n" : "}";
    afterLastBox = at + code.size();
    sectionHasText = true;
    // Readers take a code page as the document's, not the group's: the next
    // script character selects its script again.
    script = 0;
}

}  // namespace quorin
