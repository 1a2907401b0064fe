// Tables: definition, rows, cells, borders, merges and the limits of their fields.
#include <gtest/gtest.h>

#include "core/document_reader.h"
#include "support/rtf_checks.h"
#include "support/structure_codes.h"
#include "support/wp_builder.h"
#include "tables/table_reader.h"

namespace quorin::test {
namespace {

// Every output of these tests must also be balanced RTF.
std::string ConvertBody(std::string_view codes, const ConversionOptions& options = {}) {
    std::string rtf = test::ConvertBody(codes, options);
    EXPECT_TRUE(BracesBalanced(rtf)) << rtf;
    return rtf;
}

// 1800, 1200 and 600 units: 2160, 1440 and 720 twips.
TableLayout ThreeColumns() {
    TableLayout layout;
    layout.widths = {1800, 1200, 600};
    return layout;
}

std::string Cell(int first, int span = 1) {
    CellLayout cell;
    cell.first = first;
    cell.span = span;
    return TableCell(cell);
}

std::string Table(const TableLayout& layout, const std::string& rows) { return TableDefinition(layout) + rows + TableOff(); }

constexpr const char* kPrefix =
    "\\tphmrg\\tpvmrg\\tposxl\\trql\\ltrrow\\trpaddfb3\\trpaddb0\\trpaddfl3\\trpaddl0\\trpaddfr3\\trpaddr0\\trpaddft3\\trpaddt0";

TEST(Tables, TwoRowsOfThreeColumnsWhole) {
    TableLayout layout = ThreeColumns();
    layout.shading = 10;
    layout.paddingLeft = layout.paddingRight = 100;
    layout.paddingTop = 50;
    layout.headerRows = 1;
    CellLayout wide;
    wide.span = 2;
    wide.flags = 1 | 2 | 8;  // own alignment, own attributes, vertical alignment 2
    wide.alignment = 2;
    wide.attributes = 1 << 12;
    CellLayout merged;
    merged.first = 2;
    merged.span = 0x81;
    std::string body = "x" + TableDefinition(layout) +
                       TableRow(1, 300, {0x8003, 0x0009}, 3) + Cell(0) + "A" + Cell(1) + "B" + Cell(2) + "C" +
                       TableRow(2, 0, {0x8003, 0x4900}, 3) + TableCell(wide) + "D" + TableCell(merged) + "E" +
                       TableOff() + "y";

    std::string prefix =
        "\\tphmrg\\tpvmrg\\tposxl\\trql\\ltrrow\\trpaddfb3\\trpaddb0\\trpaddfl3\\trpaddl120\\trpaddfr3\\trpaddr120"
        "\\trpaddft3\\trpaddt60";
    std::string firstRow = prefix + "\\irow0\\trrh360\\trhdr";
    std::string secondRow = prefix + "\\irow1\\trrh0";
    std::string topLeft = "\\clbrdrb\\brdrnone\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\clbrdrr\\brdrnone\\clshdng0\\clvertalt";
    std::string bottomRightShaded =
        "\\clNoWrap\\clbrdrb\\brdrs\\clbrdrt\\brdrnone\\clbrdrl\\brdrnone\\clbrdrr\\brdrs\\clshdng1000";
    std::string expected = "\\'78{"
                           "\\trowd" + firstRow +
                           topLeft + "\\cellx2160\\intbl{\\ql\\'41\\cell}\n" +
                           topLeft + "\\cellx3600\\intbl{\\ql\\'42\\cell}\n" +
                           topLeft + "\\cellx4320\\intbl{\\ql\\'43\\cell}\n" +
                           firstRow + "\\row\n"
                           "\\trowd" + secondRow +
                           bottomRightShaded + "\\clvertalc\\cellx3600\\intbl{\\qc\\b\\'44\\cell}\n" +
                           bottomRightShaded + "\\clvertalt\\clvmrg\\cellx4320\\intbl{\\ql\\'45\\cell}\n" +
                           secondRow + "\\row\n"
                           "}\\'79{\\par}\n";
    std::string rtf = ConvertBody(body);
    EXPECT_EQ(rtf, expected);
    EXPECT_TRUE(BracesBalanced(rtf));
}

TEST(Tables, CellWidthsAndSpans) {
    std::string rtf = ConvertBody(Table(ThreeColumns(), TableRow() + Cell(1, 2)));
    EXPECT_NE(rtf.find("\\cellx4320\\intbl{"), std::string::npos) << rtf;
    // Without row data the row does not wrap and has no borders.
    EXPECT_NE(rtf.find("\\trowd" + std::string(kPrefix) + "\\irow0\\trrh0\\clNoWrap\\clbrdrb\\brdrnone"),
              std::string::npos) << rtf;
}

TEST(Tables, BorderStylesAndVerticalAlignment) {
    // Style 7 writes nothing; vertical alignment 3 writes none of the three words.
    CellLayout cell;
    cell.flags = 0x0C;
    std::string rtf = ConvertBody(Table(ThreeColumns(), TableRow(1, 0, {0x8003, 0x3F07}, 3) + TableCell(cell)));
    EXPECT_NE(rtf.find("\\clbrdrb\\clbrdrt\\clbrdrl\\brdrnone\\clbrdrr\\clshdng0\\cellx2160"), std::string::npos) << rtf;
    cell.flags = 0x04;
    EXPECT_NE(ConvertBody(Table(ThreeColumns(), TableRow() + TableCell(cell))).find("\\clvertalb"), std::string::npos);
}

TEST(Tables, VerticalMerges) {
    CellLayout cell;
    cell.rows = 2;
    EXPECT_NE(ConvertBody(Table(ThreeColumns(), TableRow() + TableCell(cell))).find("\\clvertalt\\clvmgf\\cellx"),
              std::string::npos);
    cell.span = 0x81;  // continues a merge: wins over the rows spanned
    EXPECT_NE(ConvertBody(Table(ThreeColumns(), TableRow() + TableCell(cell))).find("\\clvertalt\\clvmrg\\cellx"),
              std::string::npos);
}

TEST(Tables, HeaderRows) {
    for (int headerRows : {2, 5}) {
        TableLayout layout = ThreeColumns();
        layout.headerRows = headerRows;
        std::string rows;
        for (int i = 0; i < 7; ++i) rows += TableRow() + Cell(0);
        std::string rtf = ConvertBody(Table(layout, rows));
        for (int i = 0; i < 7; ++i) {
            std::string row = "\\irow" + std::to_string(i) + "\\trrh0";
            EXPECT_NE(rtf.find(row + (i < headerRows ? "\\trhdr" : "\\clNoWrap")), std::string::npos) << i;
        }
    }
}

TEST(Tables, Positions) {
    TableLayout layout = ThreeColumns();
    auto prefixOf = [&](int flags, const ConversionOptions& options) {
        layout.flags = flags;
        layout.position = 1200;
        std::string rtf = ConvertBody(Table(layout, TableRow()), options);
        return rtf.substr(rtf.find("\\tphmrg\\tpvmrg") + 14, rtf.find("row\\trpaddfb3") - rtf.find("\\tphmrg\\tpvmrg") - 11);
    };
    ConversionOptions ltr, rtl;
    rtl.rightToLeftDocument = 1;
    EXPECT_EQ(prefixOf(0, ltr), "\\tposxl\\trql\\ltrrow");
    EXPECT_EQ(prefixOf(1, ltr), "\\tposxr\\trqr\\ltrrow");
    EXPECT_EQ(prefixOf(2, ltr), "\\tposxc\\trqc\\ltrrow");
    EXPECT_EQ(prefixOf(3, ltr), "\\ltrrow");
    EXPECT_EQ(prefixOf(0xFC, ltr), "\\trleft1440\\tposx1440\\tposnegx1440\\ltrrow");
    EXPECT_EQ(prefixOf(7, ltr), "\\ltrrow");
    EXPECT_EQ(prefixOf(0, rtl), "\\tposxr\\trqr\\rtlrow");
    EXPECT_EQ(prefixOf(1, rtl), "\\tposxl\\trql\\rtlrow");
}

TEST(Tables, AlignmentAndAttributesOfCells) {
    TableLayout layout = ThreeColumns();
    layout.alignments = {0, 1, 3};
    layout.attributes = {0, (1 << 8) | (1 << 14), 1};
    std::string rtf = ConvertBody(Table(layout, TableRow() + Cell(0) + Cell(1) + Cell(2)));
    EXPECT_NE(rtf.find("\\cellx2160\\intbl{\\ql\\cell}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\cellx3600\\intbl{\\qj\\i\\ul\\cell}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\cellx4320\\intbl{\\qr\\fs48\\cell}"), std::string::npos) << rtf;
    ConversionOptions rtl;
    rtl.rightToLeftDocument = 1;
    std::string rtlRtf = ConvertBody(Table(layout, TableRow() + Cell(0) + Cell(2)), rtl);
    EXPECT_NE(rtlRtf.find("\\cellx2160\\intbl{\\qr\\cell}"), std::string::npos) << rtlRtf;
    EXPECT_NE(rtlRtf.find("\\cellx4320\\intbl{\\ql\\fs48\\cell}"), std::string::npos) << rtlRtf;
    // Alignments 4 to 7 write nothing.
    layout.alignments = {4};
    EXPECT_NE(ConvertBody(Table(layout, TableRow() + Cell(0))).find("\\intbl{\\cell}"), std::string::npos);
}

TEST(Tables, TextWidthOfACell) {
    // A cell 2160 twips wide with 120-twip paddings leaves 1900 for a flush-right tab.
    TableLayout layout = ThreeColumns();
    layout.paddingLeft = layout.paddingRight = 100;
    std::string rtf = ConvertBody(Table(layout, TableRow() + Cell(0) + Fixed(0xC1, {0x40}) + "z"));
    EXPECT_NE(rtf.find("\\intbl{\\ql\\tab\\'7A\\tx0\\tqr\\tx1900\\cell}\n"), std::string::npos) << rtf;
}

TEST(Tables, UnknownSetsAndOddBytesInCells) {
    std::string rtf = ConvertBody(Table(ThreeColumns(), TableRow() + Cell(0) + Extended(15, 1) + Extended(200, 2) +
                                                            Bytes({0x7F, 0}) + Extended(6, 45)));
    EXPECT_NE(rtf.find("\\intbl{\\ql__\\'3C\\'3C6,45\\'3E\\'3E\\cell}"), std::string::npos) << rtf;
}

TEST(Tables, ZeroBytesDoNotEndATableInASubDocument) {
    std::string table = Table(ThreeColumns(), TableRow() + Cell(0) + std::string(1, '\0') + "A");
    std::string rtf = ConvertBody(HeaderFooter(0, 2, table + "B"));
    EXPECT_NE(rtf.find("\\intbl{\\ql\\'41\\cell}\n"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("}\\'42{\\par}\n}"), std::string::npos) << rtf;
    EXPECT_TRUE(BracesBalanced(rtf));
}

TEST(TableLimits, DefinitionFields) {
    // Shorter than 6 bytes: refused.
    EXPECT_THROW(ConvertBody(Bytes({0xD2, 0x0B, 1, 0, 0})), std::invalid_argument);
    // More than 32 columns: only the opening brace, then no prefix.
    TableLayout wide;
    wide.widths.assign(33, 1200);
    EXPECT_EQ(ConvertBody(Table(wide, TableRow())), "{\\trowd\\irow0\\trrh0\\irow0\\trrh0\\row\n}");
    // Fields past the end of the code, or before its start, read as 0.
    for (int skip : {100, -10}) {
        TableLayout moved = ThreeColumns();
        moved.skip = skip < 0 ? 0 : skip;
        std::string definition = TableDefinition(moved);
        if (skip < 0) definition[6] = static_cast<char>(skip);
        else definition.resize(40), definition[2] = 36, definition[3] = 0;
        std::string rtf = ConvertBody(definition + TableRow() + Cell(0) + TableOff());
        EXPECT_EQ(rtf, "{\\trowd" + std::string(kPrefix) + "\\irow0\\trrh0\\clNoWrap\\clbrdrb\\brdrnone\\clbrdrt\\brdrnone"
                       "\\clbrdrl\\brdrnone\\clbrdrr\\brdrnone\\clshdng0\\clvertalt\\cellx0\\intbl{\\ql\\cell}\n" +
                           kPrefix + "\\irow0\\trrh0\\row\n}") << skip;
    }
}

TEST(TableLimits, RowAndCellCodes) {
    std::string table = TableDefinition(ThreeColumns());
    EXPECT_THROW(ConvertBody(table + Bytes({0xDC, 1, 2, 0, 0, 0})), std::invalid_argument);
    EXPECT_THROW(ConvertBody(table + TableRow() + Variable(0xDC, 0, std::string(6, '\0'))), std::invalid_argument);
    EXPECT_NO_THROW(ConvertBody(table + TableRow() + Variable(0xDC, 0, std::string(7, '\0'))));
}

TEST(TableLimits, RunLengthLists) {
    // A border list cut by the end of its code sets only the columns it reaches.
    std::string fields = Bytes({0, 0, 0, 0x80}) + Word(1) + Word(2) + Word(3) + Bytes({1, 0, 0, 0x80}) + Word(0x0009);
    std::string cut = Bytes({0xDC, 1}) + Word(static_cast<int>(fields.size())) + fields;  // no trailer
    std::string rtf = ConvertBody(Table(ThreeColumns(), cut + Cell(0) + Cell(1)));
    EXPECT_NE(rtf.find("\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\clbrdrr\\brdrnone\\clshdng0\\clvertalt\\cellx2160"),
              std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\clbrdrt\\brdrnone\\clbrdrl\\brdrnone\\clbrdrr\\brdrnone\\clshdng0\\clvertalt\\cellx3600"),
              std::string::npos) << rtf;
    // A list naming 40 columns fills the 32 there are; a cell past them has no borders.
    TableLayout wide;
    wide.widths.assign(40, 1200);
    CellLayout last, beyond;
    last.first = 31;
    beyond.first = 40;
    rtf = ConvertBody(Table(wide, TableRow(1, 0, {0x8028, 0x0001}, 40) + TableCell(last) + TableCell(beyond)));
    EXPECT_NE(rtf.find("\\clbrdrb\\brdrnone\\clbrdrt\\brdrs\\clbrdrl\\brdrnone\\clbrdrr\\brdrnone\\clshdng0\\clvertalt\\cellx0"),
              std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\clbrdrb\\brdrnone\\clbrdrt\\brdrnone\\clbrdrl\\brdrnone\\clbrdrr\\brdrnone\\clshdng0\\clvertalt\\cellx0"),
              std::string::npos) << rtf;
    // Count words of 0 and a count that runs past the code end the list without reading on.
    EXPECT_TRUE(BracesBalanced(ConvertBody(Table(ThreeColumns(), TableRow(1, 0, {0x8000, 5, 0x8000, 5, 0xFFFF}, 3)))));
}

TEST(TableLimits, CellsPastTheLastColumn) {
    TableLayout full;
    full.widths.assign(32, 1200);
    CellLayout cell;
    cell.first = 30;
    cell.span = 63;
    std::string rtf = ConvertBody(Table(full, TableRow() + TableCell(cell) + Fixed(0xC1, {0x40})));
    EXPECT_NE(rtf.find("\\cellx46080\\intbl{"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\tx2860\\cell}"), std::string::npos) << rtf;  // 2 columns of 1440, less 20
    cell.first = 200;
    cell.span = 2;
    rtf = ConvertBody(Table(full, TableRow() + TableCell(cell)));
    EXPECT_NE(rtf.find("\\cellx46080\\intbl{"), std::string::npos) << rtf;
}

TEST(TableLimits, UnfinishedTablesAreClosed) {
    std::string start = TableDefinition(ThreeColumns()) + TableRow() + Cell(0) + "A";
    std::string closing = "\\'41\\cell}\n" + std::string(kPrefix) + "\\irow0\\trrh0\\row\n}";
    // The stream ends inside the table, or with a code cut off.
    std::string rtf = ConvertBody(start);
    EXPECT_EQ(rtf.substr(rtf.size() - closing.size()), closing);
    EXPECT_TRUE(BracesBalanced(ConvertBody(start + Bytes({0xC3}))));
    EXPECT_TRUE(BracesBalanced(ConvertBody(start + Bytes({0xD0, 1, 50, 0, 0}))));
    EXPECT_TRUE(BracesBalanced(ConvertBody(start + Bytes({0xC0, 1}))));
    // A definition cut off by the end of the stream is no table.
    EXPECT_EQ(ConvertBody("a" + TableDefinition(ThreeColumns()).substr(0, 20)), "\\'61{\\par}\n");
    // A cancel request stops the table after its definition, closed.
    ConversionOptions options;
    CancelRequest cancel;
    DocumentReader reader(options, cancel);
    TableReader table(reader);
    RtfBuffer stream{start + TableOff() + "tail"}, out;
    cancel.Request();
    size_t cursor = 0;
    table.ConvertTable(stream, cursor, out);
    EXPECT_EQ(out, "{}");
    EXPECT_EQ(cursor, TableDefinition(ThreeColumns()).size());
}

TEST(TableLimits, ATableRunningIntoTheNextEndsThere) {
    std::string first = TableDefinition(ThreeColumns()) + TableRow() + Cell(0) + "A";
    std::string second = Table(ThreeColumns(), TableRow() + Cell(0) + "B");
    std::string rtf = ConvertBody(first + second);
    EXPECT_EQ(rtf.find("{\\trowd"), 0u);
    EXPECT_NE(rtf.find("\\row\n}{\\trowd"), std::string::npos) << rtf;
    EXPECT_TRUE(BracesBalanced(rtf));
}

TEST(TableLimits, MarksStayInTheirCell) {
    std::string rtf = ConvertBody(Table(ThreeColumns(), TableRow() + Cell(0) + MarkStart() + "A" + Cell(1) +
                                                            MarkEnd(1) + "B") + MarkStart());
    EXPECT_NE(rtf.find("\\'41{\\field{\\*\\fldinst {TC \"\\'41\"}}{\\fldrslt }}\\cell}\n"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\intbl{\\ql\\'42\\cell}\n"), std::string::npos) << rtf;
    // A mark with no text writes no entry.
    EXPECT_EQ(rtf.substr(rtf.size() - 6), "\\row\n}");
    EXPECT_TRUE(BracesBalanced(rtf));
}

}  // namespace
}  // namespace quorin::test
