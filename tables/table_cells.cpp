#include "tables/table_reader.h"

namespace quorin {

namespace {

// A column's entry, or 0 for a column past the 32 that a table can have.
template <typename T>
T Entry(const TableReader::Columns<T>& columns, unsigned column) {
    return column < TableReader::kMaxColumns ? columns[column] : T{};
}

// Sum of the widths of columns [first, last), as far as the 32 columns reach.
int WidthOf(const TableReader::Columns<int>& widths, unsigned first, unsigned last) {
    int sum = 0;
    for (unsigned column = first; column < last && column < TableReader::kMaxColumns; ++column) sum += widths[column];
    return sum;
}

}  // namespace

template <typename Take>
size_t TableReader::ReadColumnList(const RtfBuffer& code, size_t offset, Take take) const {
    unsigned column = 0;
    while (column < tableColumns && offset + 2 <= code.size()) {
        uint16_t word = code.WordOr0(offset);
        offset += 2;
        unsigned count = 1;
        if (word & 0x8000) {
            if (offset + 2 > code.size()) break;
            count = word & 0x7FFF;
            word = code.WordOr0(offset);
            offset += 2;
        }
        for (; count > 0 && column < tableColumns; --count, ++column) {
            if (column < kMaxColumns) take(column, word);
        }
    }
    return offset;
}

void TableReader::OnTableRow(const RtfBuffer& code, RtfBuffer& out) {
    if (code.At(7) & 0x80) {  // a row code shorter than 7 bytes is refused here
        size_t rowData = ReadColumnList(code, 8, [](unsigned, uint16_t) {});
        uint8_t flags = code.ByteOr0(rowData);
        rowWrap = flags & 1;
        rowAutoHeight = flags & 2;
        rowHeight = ToTwips(code.WordOr0(rowData + 1));
        if (code.ByteOr0(rowData + 3) & 0x80) {
            ReadColumnList(code, rowData + 4, [this](unsigned column, uint16_t border) {
                borderTop[column] = border & 7;
                borderLeft[column] = (border >> 3) & 7;
                borderBottom[column] = (border >> 8) & 7;
                borderRight[column] = (border >> 11) & 7;
                shaded[column] = border & 0x4000;
            });
        }
    }
    StartRow(out);
}

void TableReader::StartRow(RtfBuffer& out) {
    if (cellOpen) EndCell(out);
    if (rowOpen) EndRow(out);
    rowOpen = true;
    out += "\\trowd";
    rowFormat = "\\irow";
    rowFormat.AppendDecimal(rowIndex);
    rowFormat.AppendControl("\\trrh", rowAutoHeight ? 0 : rowHeight);
    if (rowIndex >= 0 && static_cast<unsigned>(rowIndex) < headerRows) rowFormat += "\\trhdr";
    out += tablePrefix;
    out += rowFormat;
}

std::string_view TableReader::BorderStyleText(unsigned style) {
    static constexpr std::string_view kStyles[8] = {"\\brdrnone", "\\brdrs",   "\\brdrdb",        "\\brdrdash",
                                                    "\\brdrdot",  "\\brdrth", "\\brdrtnthtnlg", ""};
    return kStyles[style & 7];
}

void TableReader::OnTableCell(const RtfBuffer& code, RtfBuffer& out) {
    uint8_t ownAlignment = code.At(14);  // a cell code shorter than 14 bytes is refused here
    uint8_t flags = code.At(4);
    unsigned first = code.At(5);
    uint8_t spanByte = code.At(6);
    uint8_t rowsSpanned = code.At(7);
    uint16_t ownAttributes = code.WordOr0(12);

    if (cellOpen) EndCell(out);
    cellOpen = true;
    if (!rowWrap) out += "\\clNoWrap";
    out += "\\clbrdrb";
    out += BorderStyleText(Entry(borderBottom, first));
    out += "\\clbrdrt";
    out += BorderStyleText(Entry(borderTop, first));
    out += "\\clbrdrl";
    out += BorderStyleText(Entry(borderLeft, first));
    out += "\\clbrdrr";
    out += BorderStyleText(Entry(borderRight, first));
    out.AppendControl("\\clshdng", Entry(shaded, first) ? shadingPercent : 0);

    static constexpr std::string_view kVertical[4] = {"\\clvertalt", "\\clvertalb", "\\clvertalc", ""};
    out += kVertical[(flags >> 2) & 3];
    if (spanByte & 0x80) out += "\\clvmrg";
    else if (rowsSpanned > 1) out += "\\clvmgf";

    cellWidth = WidthOf(columnWidth, first, first + (spanByte & 0x3F));
    out.AppendControl("\\cellx", WidthOf(columnWidth, 0, first) + cellWidth);
    out += "\\intbl{";

    switch ((flags & 1 ? ownAlignment : Entry(columnAlignment, first)) & 7) {
        case 0: out += rightToLeft ? "\\qr" : "\\ql"; break;
        case 1: out += "\\qj"; break;
        case 2: out += "\\qc"; break;
        case 3: out += rightToLeft ? "\\ql" : "\\qr"; break;
        default: break;
    }

    uint16_t attributes = flags & 2 ? ownAttributes : Entry(columnAttributes, first);
    sizePercent = 100;
    for (int n = 0; n < 16; ++n) {
        if (!(attributes & (1u << n))) continue;
        RtfBuffer attributeOn{std::string{'\xC3', static_cast<char>(n), '\xC3'}}, written;
        CallCode(0xC3, attributeOn, written);
        out += written;
    }
}

void TableReader::EndCell(RtfBuffer& out) {
    CloseOpenMarks(out, unitStart);  // a mark does not reach past its cell
    out += pendingFormat;
    out += "\\cell}\n";
    pendingFormat.clear();
    cellOpen = paragraphOpen = lineTabsSet = false;
}

void TableReader::EndRow(RtfBuffer& out) {
    if (cellOpen) EndCell(out);
    out += tablePrefix;
    out += rowFormat;
    out += "\\row\n";
    rowOpen = false;
    ++rowIndex;
}

void TableReader::OnTableOff(const RtfBuffer&, RtfBuffer& out) {
    if (cellOpen) EndCell(out);
    if (rowOpen) EndRow(out);
    out += '}';
    tableDone = true;
}

}  // namespace quorin
