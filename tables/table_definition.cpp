#include "tables/table_reader.h"

namespace quorin {

namespace {

// The definition's fields sit at offsets that depend on a byte of the code;
// fields that the code does not hold read as 0.
class DefinitionFields {
public:
    explicit DefinitionFields(const RtfBuffer& code) : code_(code) {}
    uint8_t Byte(long offset) const { return offset < 0 ? 0 : code_.ByteOr0(static_cast<size_t>(offset)); }
    uint16_t Word(long offset) const { return offset < 0 ? 0 : code_.WordOr0(static_cast<size_t>(offset)); }

private:
    const RtfBuffer& code_;
};

}  // namespace

void TableReader::OnTableDefinition(const RtfBuffer& code, RtfBuffer& out) {
    out += '{';
    long fields = 28 + 5L * code.SignedAt(6);  // a definition shorter than 6 bytes is refused here
    DefinitionFields at(code);
    tableFlags = static_cast<int8_t>(at.Byte(fields));
    shadingPercent = static_cast<uint16_t>(static_cast<int8_t>(at.Byte(fields + 1)) * 100);
    tableColumns = at.Word(fields + 2);
    if (tableColumns > kMaxColumns) return;

    tableOffset = ToTwips(at.Word(fields + 6));
    paddingLeft = ToTwips(at.Word(fields + 8));
    paddingRight = ToTwips(at.Word(fields + 10));
    paddingTop = ToTwips(at.Word(fields + 12));
    paddingBottom = ToTwips(at.Word(fields + 14));
    headerRows = at.Word(fields + 16);
    long widths = fields + 24, attributes = widths + 2L * tableColumns, alignments = attributes + 2L * tableColumns;
    for (unsigned column = 0; column < tableColumns; ++column) {
        columnWidth[column] = ToTwips(at.Word(widths + 2L * column));
        columnAttributes[column] = at.Word(attributes + 2L * column);
        columnAlignment[column] = static_cast<int8_t>(at.Byte(alignments + column));
    }
    BuildTablePrefix();
}

void TableReader::BuildTablePrefix() {
    tablePrefix = "\\tphmrg\\tpvmrg";
    static constexpr std::string_view kLeft = "\\tposxl\\trql", kRight = "\\tposxr\\trqr";
    switch (tableFlags & 7) {
        case 0: tablePrefix += rightToLeft ? kRight : kLeft; break;
        case 1: tablePrefix += rightToLeft ? kLeft : kRight; break;
        case 2: tablePrefix += "\\tposxc\\trqc"; break;
        case 4:
            tablePrefix.AppendControl("\\trleft", tableOffset);
            tablePrefix.AppendControl("\\tposx", tableOffset);
            tablePrefix.AppendControl("\\tposnegx", tableOffset);
            break;
        default: break;
    }
    tablePrefix += rightToLeft ? "\\rtlrow" : "\\ltrrow";
    tablePrefix.AppendControl("\\trpaddfb3\\trpaddb", paddingBottom);
    tablePrefix.AppendControl("\\trpaddfl3\\trpaddl", paddingLeft);
    tablePrefix.AppendControl("\\trpaddfr3\\trpaddr", paddingRight);
    tablePrefix.AppendControl("\\trpaddft3\\trpaddt", paddingTop);
}

}  // namespace quorin
