#include "tables/table_hand_over.h"

#include "core/document_reader.h"

namespace quorin {

void HandOverTable(const DocumentReader&, const RtfBuffer&, size_t& cursor, RtfBuffer&) {
    ++cursor;  // tables are not converted yet
}

}  // namespace quorin
