#include "core/document_information.h"

namespace quorin {

void WriteDocumentInformation(const RtfBuffer&, RtfBuffer& piece) {
    piece.clear();  // not written yet
}

}  // namespace quorin
