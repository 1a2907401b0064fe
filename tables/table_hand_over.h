#pragma once
#include <cstddef>

#include "core/code_view.h"
#include "core/rtf_buffer.h"

namespace quorin {

class DocumentReader;

// Called by the reader loop at a table definition code (0xD2, subfunction
// 0x0B): converts the whole table that starts at `cursor` into `out` and moves
// `cursor` past it (always by at least one byte).
void HandOverTable(const DocumentReader& reader, const CodeView& stream, size_t& cursor, RtfBuffer& out);

}  // namespace quorin
