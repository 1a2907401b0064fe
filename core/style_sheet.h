#pragma once
#include "core/cancel_request.h"
#include "core/conversion_options.h"
#include "core/rtf_buffer.h"

namespace quorin {

struct OutputBudget;

// Appends the two style sheet entries of one style packet to `piece`.
// The formatting runs are translated under `budget` when one is given.
void WriteStyleEntries(const RtfBuffer& stylePacket, RtfBuffer& piece, const ConversionOptions& options,
                       const CancelRequest& cancel, OutputBudget* budget = nullptr);

}  // namespace quorin
