#include "core/font_table.h"

namespace quorin {

void WriteFontTable(RtfBuffer& fontList, RtfBuffer& namePool, RtfBuffer& piece,
                    const ConversionOptions&, FontResolver*) {
    piece.clear();  // not written yet
    fontList.clear();
    namePool.clear();
}

}  // namespace quorin
