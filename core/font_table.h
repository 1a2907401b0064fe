#pragma once
#include "core/conversion_options.h"
#include "core/font_resolver.h"
#include "core/rtf_buffer.h"

namespace quorin {

// Sets `piece` afresh to the RTF font table for a font list / name pool pair,
// then empties both packets. WordPerfect font i becomes RTF fonts i (Latin),
// 1000 + i (Hebrew) and 2000 + i (Arabic).
void WriteFontTable(RtfBuffer& fontList, RtfBuffer& namePool, RtfBuffer& piece,
                    const ConversionOptions& options, FontResolver* fonts);

}  // namespace quorin
