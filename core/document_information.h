#pragma once
#include "core/rtf_buffer.h"

namespace quorin {

// Sets `piece` to the RTF document information group for a summary packet.
void WriteDocumentInformation(const RtfBuffer& summaryPacket, RtfBuffer& piece);

}  // namespace quorin
