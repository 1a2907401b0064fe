#include "tables/table_hand_over.h"

#include "tables/table_reader.h"

namespace quorin {

void HandOverTable(const DocumentReader& reader, const CodeView& stream, size_t& cursor, RtfBuffer& out) {
    TableReader table(reader);
    table.ConvertTable(stream, cursor, out);
}

}  // namespace quorin
