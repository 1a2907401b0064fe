#pragma once
#include "core/conversion_options.h"
#include "core/rtf_buffer.h"

namespace quorin {

// Appends the two style sheet entries of one style packet to `piece`.
void WriteStyleEntries(const RtfBuffer& stylePacket, RtfBuffer& piece, const ConversionOptions& options);

}  // namespace quorin
