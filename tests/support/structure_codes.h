#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace quorin::test {

// Codes that carry sub-documents. Each sub-document ends with a zero byte
// inside the code, as WordPerfect writes it.

// Header (subfunction 0, 1) or footer (3, 4) with its occurrence byte.
std::string HeaderFooter(int subfunction, int occurrence, std::string_view text);
// Footnote (numberByte at offset 7 places the text) and endnote.
std::string Footnote(std::string_view text, int numberByte = 0);
std::string Endnote(std::string_view text);
// Start and end of text marked for a table of contents (level byte d).
std::string MarkStart();
std::string MarkEnd(int level);
// Table-of-authorities mark: section 32 is a short-form mark.
std::string AuthorityMark(int section, std::string_view shortForm, std::string_view longForm);

// A box code (0xDA) as WordPerfect 5.1 writes it: the content type at 52,
// the caption's length at 119, the caption from 121, then the contents and a
// 4-byte trailer (the length word, the subfunction, the code byte).
std::string Box(int kind, int contentType, std::string_view caption, std::string_view contents);

// A style packet: name, kind at 21, number at 77, run lengths at 78, 82 and
// 86, the runs from 88.
std::string StylePacket(const std::string& name, int kind, int number, const std::string& runA = "",
                        const std::string& runB = "", const std::string& runC = "");

// Table codes.
struct TableLayout {
    int flags = 0;  // bits 0 to 2: position
    int shading = 0;  // percent
    int position = 0;  // 1/1200 inch
    int paddingLeft = 0, paddingRight = 0, paddingTop = 0, paddingBottom = 0;
    int headerRows = 0;
    std::vector<int> widths{};  // 1/1200 inch, one per column
    std::vector<int> attributes{};  // default attribute word per column (0 when missing)
    std::vector<int> alignments{};  // default alignment per column (0 when missing)
    int skip = 0;  // the byte at offset 6 that moves the fields
};
std::string TableDefinition(const TableLayout& layout);
// A row code without row data, and one with: flags, height and, when
// `borders` is not empty, a border list (both lists as run-length words).
std::string TableRow();
std::string TableRow(int rowFlags, int height, const std::vector<int>& borderWords, int columns);
struct CellLayout {
    int flags = 0;
    int first = 0;
    int span = 1;  // with bit 7 for a continued vertical merge
    int rows = 1;
    int attributes = 0;
    int alignment = 0;
};
std::string TableCell(const CellLayout& cell);
std::string TableOff();

}  // namespace quorin::test
