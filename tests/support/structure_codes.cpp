#include "support/structure_codes.h"

#include "support/wp_builder.h"

namespace quorin::test {

namespace {

// Fields from offset 4 up to (not including) `start`, then the text and its zero byte.
std::string WithTextAt(size_t start, std::string_view text, std::string fields = {}) {
    fields.resize(start - 4, '\0');
    return fields + std::string(text) + '\0';
}

}  // namespace

std::string HeaderFooter(int subfunction, int occurrence, std::string_view text) {
    std::string fields(8, '\0');
    fields[11 - 4] = static_cast<char>(occurrence);
    return Variable(0xD5, static_cast<uint8_t>(subfunction), WithTextAt(22, text, fields));
}

std::string Footnote(std::string_view text, int numberByte) {
    std::string fields(4, '\0');
    fields[7 - 4] = static_cast<char>(numberByte);
    size_t start = ((numberByte + 1) % 256) * 2 + 17;
    return Variable(0xD6, 0, WithTextAt(start, text, fields));
}

std::string Endnote(std::string_view text) { return Variable(0xD6, 1, WithTextAt(11, text)); }

std::string MarkStart() { return Variable(0xD7, 0, Bytes({0})); }
std::string MarkEnd(int level) { return Variable(0xD7, 1, Bytes({level})); }

std::string AuthorityMark(int section, std::string_view shortForm, std::string_view longForm) {
    return Variable(0xD7, 4, Bytes({section, 0}) + std::string(shortForm) + '\0' + std::string(longForm) + '\0');
}

std::string TableDefinition(const TableLayout& layout) {
    std::string fields(24 + 5 * layout.skip, '\0');
    fields[6 - 4] = static_cast<char>(layout.skip);
    int columns = static_cast<int>(layout.widths.size());
    fields += Bytes({layout.flags, layout.shading}) + Word(columns) + Word(0) + Word(layout.position) +
              Word(layout.paddingLeft) + Word(layout.paddingRight) + Word(layout.paddingTop) +
              Word(layout.paddingBottom) + Word(layout.headerRows) + std::string(6, '\0');
    for (int width : layout.widths) fields += Word(width);
    for (int i = 0; i < columns; ++i) fields += Word(i < static_cast<int>(layout.attributes.size()) ? layout.attributes[i] : 0);
    for (int i = 0; i < columns; ++i)
        fields += static_cast<char>(i < static_cast<int>(layout.alignments.size()) ? layout.alignments[i] : 0);
    return Variable(0xD2, 0x0B, fields);
}

std::string TableRow() { return Variable(0xDC, 1, std::string(4, '\0')); }

std::string TableRow(int rowFlags, int height, const std::vector<int>& borderWords, int columns) {
    std::string fields(3, '\0');
    fields += static_cast<char>(0x80);
    fields += Word(0x8000 | columns) + Word(0);  // the unused per-column values
    fields += static_cast<char>(rowFlags);
    fields += Word(height);
    fields += static_cast<char>(borderWords.empty() ? 0 : 0x80);
    for (int word : borderWords) fields += Word(word);
    return Variable(0xDC, 1, fields);
}

std::string TableCell(const CellLayout& cell) {
    std::string fields = Bytes({cell.flags, cell.first, cell.span, cell.rows}) + std::string(4, '\0') +
                         Word(cell.attributes) + Bytes({cell.alignment, 0});
    return Variable(0xDC, 0, fields);
}

std::string Box(int kind, int contentType, std::string_view caption, std::string_view contents) {
    std::string fields(48, '\0');
    fields += static_cast<char>(contentType);
    fields.resize(115, '\0');
    fields += Word(static_cast<int>(caption.size())) + std::string(caption) + std::string(contents);
    const std::string length = Word(static_cast<int>(fields.size()) + 4);
    const char subfunction = static_cast<char>(kind);
    return "\xDA" + std::string(1, subfunction) + length + fields + length + subfunction + "\xDA";
}

std::string StylePacket(const std::string& name, int kind, int number, const std::string& runA,
                        const std::string& runB, const std::string& runC) {
    std::string packet = name;
    packet.resize(21, '\0');
    packet += static_cast<char>(kind);
    packet.resize(77, '\0');
    packet += static_cast<char>(number);
    packet += Word(static_cast<int>(runA.size())) + Word(0) + Word(static_cast<int>(runB.size())) + Word(0) +
              Word(static_cast<int>(runC.size()));
    return packet + runA + runB + runC;
}

std::string TableOff() { return Variable(0xDC, 2, std::string(4, '\0')); }

}  // namespace quorin::test
