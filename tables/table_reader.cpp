#include "tables/table_reader.h"

#include <algorithm>

namespace quorin {

namespace {

bool IsTableDefinition(const CodeView& stream, size_t at) {
    return static_cast<uint8_t>(stream[at]) == 0xD2 && stream.ByteOr0(at + 1) == 0x0B;
}

}  // namespace

void HandOverTable(const DocumentReader& reader, const CodeView& stream, size_t& cursor, RtfBuffer& out) {
    TableReader table(reader);
    table.ConvertTable(stream, cursor, out);
}

void TableReader::ConvertTable(const CodeView& stream, size_t& cursor, RtfBuffer& out) {
    // The definition is a variable-length code; one cut off by the end of the
    // stream is skipped like any other, and there is no table.
    size_t length = stream.WordOr0(cursor + 2) + size_t{4};
    if (cursor + length > stream.size()) {
        cursor = stream.size();
        return;
    }
    OnTableDefinition(RtfBuffer(std::string_view(stream).substr(cursor, length)), out);
    cursor += length;

    while (cursor < stream.size() && !tableDone && !cancel.Requested()) {
        // A table that runs into the next one ends there; the caller hands the
        // next one over to a reader of its own.
        if (IsTableDefinition(stream, cursor)) break;
        if (static_cast<uint8_t>(stream[cursor]) == 0xC0 && cursor + 3 <= stream.size() &&
            stream.ByteOr0(cursor + 2) > 14) {
            out += '_';  // characters of unknown sets in cells
            cursor = std::min(cursor + 4, stream.size());
            continue;
        }
        if (!Step(stream, cursor, out)) break;
    }
    // A table without its table-off code (end of stream, cancel) is closed the same way.
    if (!tableDone) OnTableOff(RtfBuffer(), out);
    CloseOpenMarks(out, cursor);  // marks begun between cells
}

int TableReader::TextWidth() { return cellWidth - paddingRight - paddingLeft - 20; }

}  // namespace quorin
