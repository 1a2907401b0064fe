// A converted document with a table, notes and a header, read back by LibreOffice.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/rtf_checks.h"
#include "support/structure_codes.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

namespace fs = std::filesystem;

std::string DocumentWithStructure() {
    TableLayout layout;
    layout.widths = {1800, 1800, 1800};
    const char* texts[] = {"CellOne", "CellTwo", "CellThree", "CellFour", "CellFive", "CellSix"};
    std::string rows;
    for (int row = 0; row < 2; ++row) {
        rows += TableRow(1, 0, {0x8003, 0x0909}, 3);
        for (int column = 0; column < 3; ++column) {
            CellLayout cell;
            cell.first = column;
            rows += TableCell(cell) + texts[row * 3 + column];
        }
    }
    std::string body = HeaderFooter(0, 1, "HeaderWords") + "Body text" + Footnote("NoteWords") + "\x0A" +
                       TableDefinition(layout) + rows + TableOff() + "After" + Endnote("EndWords") + "\x0A";
    return WpDocument().Body(body).Build();
}

TEST(LibreOffice, ReadsTablesNotesAndHeaders) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0) GTEST_SKIP() << "soffice is not installed";
    std::string rtf = ConvertFile(DocumentWithStructure());
    ASSERT_TRUE(BracesBalanced(rtf));

    std::string pattern = (fs::temp_directory_path() / "quorin-lo-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    fs::path dir = pattern;
    std::string fileText;
    for (char c : rtf) fileText += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::ofstream(dir / "structure.rtf", std::ios::binary) << fileText;

    std::string command = "cd '" + dir.string() + "' && timeout 300 soffice --headless '-env:UserInstallation=file://" +
                          dir.string() + "/profile' --convert-to fodt --outdir . structure.rtf >/dev/null 2>&1";
    int status = std::system(command.c_str());
    std::ifstream in(dir / "structure.fodt");
    std::stringstream xml;
    xml << in.rdbuf();
    fs::remove_all(dir);
    ASSERT_EQ(status, 0);

    std::string document = xml.str();
    for (const char* word : {"HeaderWords", "Body text", "NoteWords", "EndWords", "After", "CellOne", "CellTwo",
                             "CellThree", "CellFour", "CellFive", "CellSix"})
        EXPECT_NE(document.find(word), std::string::npos) << word;
    size_t cells = 0;
    for (size_t at = document.find("<table:table-cell "); at != std::string::npos;
         at = document.find("<table:table-cell ", at + 1))
        ++cells;
    EXPECT_EQ(cells, 6u);
    EXPECT_NE(document.find("text:note-class=\"footnote\""), std::string::npos);
    EXPECT_NE(document.find("text:note-class=\"endnote\""), std::string::npos);
}

}  // namespace
}  // namespace quorin::test
