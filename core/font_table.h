#pragma once
#include <array>
#include <string_view>

#include "core/cancel_request.h"
#include "core/font_resolver.h"
#include "core/rtf_buffer.h"

namespace quorin {

// The script names that font lists append to a face in parentheses, as in
// "Arial (Hebrew)". The font table writes the face without such a suffix.
inline constexpr std::array<std::string_view, 10> kFontScriptNames = {
    "Western", "Hebrew", "Arabic", "Cyrillic", "Greek",
    "Turkish", "Baltic", "Central European", "Vietnamese", "Thai"};

// Sets `piece` afresh to the RTF font table for a font list / name pool pair,
// then empties both packets. WordPerfect font i becomes RTF fonts i (Latin),
// 1000 + i (Hebrew) and 2000 + i (Arabic). A null `fonts` lets every
// WordPerfect name stand for itself in all three scripts. Stops after the
// lookup after which `cancel` is requested, keeping the lines written so far.
void WriteFontTable(RtfBuffer& fontList, RtfBuffer& namePool, RtfBuffer& piece, const CancelRequest& cancel,
                    FontResolver* fonts);

}  // namespace quorin
