// Tables: header rows over many rows, codes that must not end the
// conversion, a cancel request, and balanced RTF from tables cut short. The
// byte-exact cases of tables are in tables.cases.
#include <gtest/gtest.h>

#include "core/document_reader.h"
#include "support/rtf_checks.h"
#include "support/structure_codes.h"
#include "support/wp_builder.h"
#include "tables/table_reader.h"

namespace quorin::test {
namespace {

TableLayout ThreeColumns() {
    TableLayout layout;
    layout.widths = {1800, 1200, 600};
    return layout;
}

std::string FirstCell() { return TableCell(CellLayout{}); }

std::string Table(const TableLayout& layout, const std::string& rows) { return TableDefinition(layout) + rows + TableOff(); }

TEST(Tables, HeaderRows) {
    for (int headerRows : {2, 5}) {
        TableLayout layout = ThreeColumns();
        layout.headerRows = headerRows;
        std::string rows;
        for (int i = 0; i < 7; ++i) rows += TableRow() + FirstCell();
        std::string rtf = ConvertBody(Table(layout, rows));
        for (int i = 0; i < 7; ++i) {
            std::string row = "\\irow" + std::to_string(i) + "\\trrh0";
            EXPECT_NE(rtf.find(row + (i < headerRows ? "\\trhdr" : "\\clNoWrap")), std::string::npos) << i;
        }
    }
}

TEST(TableLimits, ACellCodeLongEnoughForItsFields) {
    EXPECT_NO_THROW(ConvertBody(TableDefinition(ThreeColumns()) + TableRow() + Variable(0xDC, 0, std::string(7, '\0'))));
}

TEST(TableLimits, RunLengthListsEndWithoutReadingOn) {
    // Count words of 0 and a count that runs past the code.
    EXPECT_TRUE(BracesBalanced(ConvertBody(Table(ThreeColumns(), TableRow(1, 0, {0x8000, 5, 0x8000, 5, 0xFFFF}, 3)))));
}

TEST(TableLimits, UnfinishedTablesAreClosed) {
    std::string start = TableDefinition(ThreeColumns()) + TableRow() + FirstCell() + "A";
    // The stream ends with a code cut off.
    EXPECT_TRUE(BracesBalanced(ConvertBody(start + Bytes({0xC3}))));
    EXPECT_TRUE(BracesBalanced(ConvertBody(start + Bytes({0xD0, 1, 50, 0, 0}))));
    EXPECT_TRUE(BracesBalanced(ConvertBody(start + Bytes({0xC0, 1}))));
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

}  // namespace
}  // namespace quorin::test
