// Headers, footers, notes and marks: sub-documents converted by nested runs.
#include "core/document_reader.h"

namespace quorin {

void DocumentReader::AdjustFieldDepth(uint8_t up) {
    if (up == 1) ++fieldDepth;
    else if (fieldDepth > 0) --fieldDepth;
}

void DocumentReader::OnHeaderFooter(const RtfBuffer& code, RtfBuffer&) { code.At(11); }
void DocumentReader::OnNote(const RtfBuffer&, RtfBuffer&) {}
void DocumentReader::OnMark(const RtfBuffer&, RtfBuffer&) {}

}  // namespace quorin
