// Paragraph, section, tab, column and page codes.
#include "core/document_reader.h"

namespace quorin {

void DocumentReader::EndParagraph(RtfBuffer& out) {
    if (fieldDepth != 0) {
        out += "\\'20";  // field text stays on one line
    } else {
        out += '{';
        out += pendingFormat;
        out += "\\par}\n";
    }
    pendingFormat.clear();
    paragraphOpen = false;
    lineTabsSet = false;
}

void DocumentReader::BreakSection(RtfBuffer& out) {
    if (!sectionHasText) return;
    if (paragraphOpen) EndParagraph(out);
    out += rightToLeft ? "\\sect\\sbknone\\rtlsect" : "\\sect\\sbknone\\ltrsect";
}

int DocumentReader::TextWidth() {
    const int width = pageWidth - marginRight - marginLeft;
    if (!columnsOn) return width;
    const int columns = columnCount > 0 ? columnCount : 1;
    return width / columns - (columns - 1) * 720;
}

void DocumentReader::OnHardReturn(const RtfBuffer&, RtfBuffer& out) { EndParagraph(out); }

// A soft return is a space, except in a paragraph with flush-right or centred
// tab stops, where each line becomes a paragraph so that the stops apply to it.
void DocumentReader::OnSoftReturn(const RtfBuffer&, RtfBuffer& out) {
    if (lineTabsSet) EndParagraph(out);
    else out += "\\'20\n";
}

void DocumentReader::OnSoftPage(const RtfBuffer& code, RtfBuffer& out) { OnSoftReturn(code, out); }

void DocumentReader::OnHardPage(const RtfBuffer&, RtfBuffer& out) {
    if (paragraphOpen) EndParagraph(out);
    out += "\\page\\vertalt\n";
}

void DocumentReader::OnPageNumber(const RtfBuffer&, RtfBuffer& out) { out += "\\chpgn"; }
void DocumentReader::OnAlignRight(const RtfBuffer&, RtfBuffer& out) { out += rightToLeft ? "\\ql" : "\\qr"; }
void DocumentReader::OnAlignFull(const RtfBuffer&, RtfBuffer& out) { out += "\\qj"; }
void DocumentReader::OnCenterPage(const RtfBuffer&, RtfBuffer& out) { out += "\\vertalc"; }
void DocumentReader::OnWidowControlOn(const RtfBuffer&, RtfBuffer& out) { out += "\\widctlpar"; }
void DocumentReader::OnWidowControlOff(const RtfBuffer&, RtfBuffer& out) { out += "\\nowidctlpar"; }
void DocumentReader::OnNoteNumber(const RtfBuffer&, RtfBuffer& out) { out += "{\\super\\chftn\\'20}"; }
void DocumentReader::OnHardSpace(const RtfBuffer&, RtfBuffer& out) { out += "\\~"; }
void DocumentReader::OnHardHyphen(const RtfBuffer&, RtfBuffer& out) { out += "\\'2d"; }
void DocumentReader::OnSoftHyphen(const RtfBuffer&, RtfBuffer& out) { out += "\\-"; }

void DocumentReader::OnColumnsOn(const RtfBuffer&, RtfBuffer& out) {
    BreakSection(out);
    out.AppendControl("\\cols", columnCount);
    columnsOn = true;
}

void DocumentReader::OnColumnsOff(const RtfBuffer&, RtfBuffer& out) {
    BreakSection(out);
    out += "\\cols1";
    columnsOn = false;
}

void DocumentReader::OnDefinition(const RtfBuffer& code, RtfBuffer& out) {
    switch (code.At(1)) {
        case 1: {
            // A count of 0 would leave no column to divide the width by: one column.
            const int count = code.At(101) & 0x1F;
            columnCount = count == 0 ? 1 : count;
            return;
        }
        case 11:
            OnTableDefinition(code, out);
            return;
        default:
            return;
    }
}

void DocumentReader::OnTab(const RtfBuffer& code, RtfBuffer& out) {
    const uint8_t flags = code.At(1);
    const int width = TextWidth();
    const bool reversed = options.reverseTabAlignment != 0 && rightToLeft;
    switch (flags >> 6) {
        case 0:
            out += "\\tab";
            break;
        case 1:  // flush right
            if (!lineTabsSet) {
                lineTabsSet = true;
                pendingFormat += reversed ? "\\tqr\\tx0\\tx" : "\\tx0\\tqr\\tx";
                pendingFormat.AppendDecimal(width);
            }
            out += "\\tab";
            break;
        case 2:
            out += paragraphOpen ? "\\tab" : "\\fi-720";
            break;
        default:  // centred
            if (!lineTabsSet) {
                lineTabsSet = true;
                if (reversed) pendingFormat += "\\tqr";
                pendingFormat.AppendControl("\\tx0\\tqc\\tx", width / 2);
                if (!reversed) pendingFormat += "\\tqr";
                pendingFormat.AppendControl("\\tx", width);
            }
            out += "\\tab";
            break;
    }
    if (flags & 0x10) pendingFormat += "\\tldot";
}

void DocumentReader::OnIndent(const RtfBuffer& code, RtfBuffer&) {
    const uint8_t flags = code.At(1);
    if (flags & 0x20) pendingFormat += "\\tldot";
    pendingFormat += (flags & 0x01) ? "\\li720\\ri720" : "\\lin720";
}

// Lengths missing from a code that is too short for them read as 0.
void DocumentReader::OnPageFormat(const RtfBuffer& code, RtfBuffer& out) {
    switch (code.At(1)) {
        case 1:
            marginLeft = ToTwips(code.SignedWordOr0(8));
            marginRight = ToTwips(code.SignedWordOr0(10));
            BreakSection(out);
            out.AppendControl("\\marglsxn", marginLeft);
            out.AppendControl("\\margrsxn", marginRight);
            return;
        case 5:
            marginTop = ToTwips(code.SignedWordOr0(8));
            marginBottom = ToTwips(code.SignedWordOr0(10));
            BreakSection(out);
            out.AppendControl("\\margtsxn", marginTop);
            out.AppendControl("\\margbsxn", marginBottom);
            return;
        case 6:
            switch (code.At(5)) {
                case 0: out += rightToLeft ? "\\qr" : "\\ql"; break;
                case 1: out += "\\qj"; break;
                case 2: out += "\\qc"; break;
                case 3: out += rightToLeft ? "\\ql" : "\\qr"; break;
                default: break;
            }
            return;
        case 11: {
            const int height = ToTwips(code.SignedWordOr0(99));
            const int width = ToTwips(code.SignedWordOr0(101));
            const bool landscape = code.At(193) != 0;
            pageHeight = height;
            pageWidth = width;
            BreakSection(out);
            out.AppendControl("\\pghsxn", pageHeight);
            out.AppendControl("\\pgwsxn", pageWidth);
            if (landscape) out += "\\lndscpsxn";
            return;
        }
        default:
            return;
    }
}

}  // namespace quorin
