// Right-to-left text: direction switches and reversed text.
#include "core/document_reader.h"

namespace quorin {

void DocumentReader::OnDirectionSwitch(const RtfBuffer&, RtfBuffer&) {}
void DocumentReader::OnDirectionRestore(const RtfBuffer&, RtfBuffer&) {}
void DocumentReader::OnReversedText(const RtfBuffer&, RtfBuffer&) {}
void DocumentReader::OnTextDirection(const RtfBuffer& code, RtfBuffer&) { code.At(5); }

}  // namespace quorin
