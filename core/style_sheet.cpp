#include "core/style_sheet.h"

namespace quorin {

void WriteStyleEntries(const RtfBuffer&, RtfBuffer&, const ConversionOptions&) {
    // not written yet
}

}  // namespace quorin
