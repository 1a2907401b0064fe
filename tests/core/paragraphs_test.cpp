// Paragraph ends, sections, tabs, indents, columns, margins and page codes.
#include <gtest/gtest.h>

#include "core/document_reader.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

std::string Tab(int flags) { return Fixed(0xC1, {flags}); }
std::string Margins(int subfunction, int first, int second) {
    return Variable(0xD0, subfunction, std::string(4, '\0') + Word(first) + Word(second));
}
std::string ColumnDefinition(int count) { return VariableWithByteAt(0xD2, 1, 101, count); }
std::string LineNumbering(int flags, int start) {
    return Variable(0xD3, 5, std::string(5, '\0') + Bytes({flags}) + Word(0) + Word(start));
}
std::string Justification(int value) { return Variable(0xD0, 6, Bytes({0, value})); }
std::string PaperSize(int height, int width, int landscape) {
    std::string fields(190, '\0');
    fields.replace(99 - 4, 2, Word(height));
    fields.replace(101 - 4, 2, Word(width));
    fields[193 - 4] = static_cast<char>(landscape);
    return Variable(0xD0, 11, fields);
}

TEST(Paragraphs, ReturnsAndPages) {
    EXPECT_EQ(ConvertBody("A\x0A"), "\\'41{\\par}\n");
    EXPECT_EQ(ConvertBody("A\x8C"), "\\'41{\\par}\n");
    EXPECT_EQ(ConvertBody("a\x0D" "b"), "\\'61\\'20\n\\'62{\\par}\n");
    for (int code : {0x0B, 0x90, 0x91, 0x92})
        EXPECT_EQ(ConvertBody("a" + Bytes({code}) + "b"), "\\'61\\'20\n\\'62{\\par}\n") << code;
    EXPECT_EQ(ConvertBody("a\x0C" "b"), "\\'61{\\par}\n\\page\\vertalt\n\\'62{\\par}\n");
    EXPECT_EQ(ConvertBody("\x0C"), "\\page\\vertalt\n");
}

TEST(Paragraphs, SimpleLiterals) {
    EXPECT_EQ(ConvertBody(Bytes({0x02, 0x81, 0x82, 0x86, 0x8A, 0x8B, 0x8D})),
              "\\chpgn\\qr\\qj\\vertalc\\widctlpar\\nowidctlpar{\\super\\chftn\\'20}");
    EXPECT_EQ(ConvertBody(Bytes({0x93, 0x94, 0x95, 0xA0, 0xA9, 0xAA, 0xAB, 0xAC, 0xAD, 0xAE})),
              "\\~\\~\\~\\~\\'2d\\'2d\\'2d\\-\\-\\-");
    EXPECT_EQ(ConvertBody(Bytes({0x8E, 0x98, 0x9A, 0x9B, 0x9E, 0x9F, 0xB2})), "");
}

TEST(Paragraphs, FlushRightAndCentreTabsGatherStops) {
    EXPECT_EQ(ConvertBody(Tab(0x40) + "x\x0D"), "\\tab\\'78{\\tx0\\tqr\\tx9360\\par}\n");
    EXPECT_EQ(ConvertBody(Tab(0xC0) + "x" + Tab(0xC0) + "\x0A"), "\\tab\\'78\\tab{\\tx0\\tqc\\tx4680\\tqr\\tx9360\\par}\n");
    EXPECT_EQ(ConvertBody(Tab(0x00) + Tab(0x50) + "\x0A"), "\\tab\\tab{\\tx0\\tqr\\tx9360\\tldot\\par}\n");
    EXPECT_EQ(ConvertBody(Tab(0x80) + "x" + Tab(0x80)), "\\fi-720\\'78\\tab{\\par}\n");
}

TEST(Paragraphs, ReversedTabStopsInRightToLeftText) {
    ConversionOptions options;
    options.rightToLeftDocument = 1;
    options.reverseTabAlignment = 1;
    EXPECT_EQ(ConvertBody(Tab(0x40) + "\x0A", options), "\\tab{\\tqr\\tx0\\tx9360\\par}\n");
    EXPECT_EQ(ConvertBody(Tab(0xC0) + "\x0A", options), "\\tab{\\tqr\\tx0\\tqc\\tx4680\\tx9360\\par}\n");
    options.rightToLeftDocument = 0;
    EXPECT_EQ(ConvertBody(Tab(0x40) + "\x0A", options), "\\tab{\\tx0\\tqr\\tx9360\\par}\n");
}

TEST(Paragraphs, Indents) {
    EXPECT_EQ(ConvertBody(Fixed(0xC2, {0x00}) + "a\x0A"), "\\'61{\\lin720\\par}\n");
    EXPECT_EQ(ConvertBody(Fixed(0xC2, {0x21}) + "a\x0A"), "\\'61{\\tldot\\li720\\ri720\\par}\n");
}

TEST(Paragraphs, MarginsBeforeAndAfterText) {
    EXPECT_EQ(ConvertBody(Margins(1, 1800, 1200)), "\\marglsxn2160\\margrsxn1440");
    EXPECT_EQ(ConvertBody("a" + Margins(1, 1800, -7)),
              "\\'61{\\par}\n\\sect\\sbknone\\ltrsect\\marglsxn2160\\margrsxn-8");
    EXPECT_EQ(ConvertBody(Margins(5, 600, 1)), "\\margtsxn720\\margbsxn1");
    // Words past the end of a short code read as 0.
    EXPECT_EQ(ConvertBody(Bytes({0xD0, 1, 0, 0})), "\\marglsxn0\\margrsxn0");
}

TEST(Paragraphs, ColumnsAndTextWidth) {
    EXPECT_EQ(ConvertBody(ColumnDefinition(2) + Bytes({0x87}) + "a" + Bytes({0x88})),
              "\\cols2\\'61{\\par}\n\\sect\\sbknone\\ltrsect\\cols1");
    EXPECT_EQ(ConvertBody(ColumnDefinition(0xE2) + Bytes({0x87})), "\\cols2") << "low five bits";
    EXPECT_EQ(ConvertBody(ColumnDefinition(2) + Bytes({0x87}) + Tab(0x40) + "\x0A"),
              "\\cols2\\tab{\\tx0\\tqr\\tx3960\\par}\n");
    // A count of 0 is taken as one column, not a division by zero.
    EXPECT_EQ(ConvertBody(ColumnDefinition(0) + Bytes({0x87}) + Tab(0x40) + "\x0A"),
              "\\cols1\\tab{\\tx0\\tqr\\tx9360\\par}\n");
    EXPECT_EQ(ConvertBody(Bytes({0xAF, 0xB0})), "\\cols1\\cols1");
}

TEST(Paragraphs, JustificationFollowsDirection) {
    EXPECT_EQ(ConvertBody(Justification(0) + Justification(1) + Justification(2) + Justification(3) + Justification(4)),
              "\\ql\\qj\\qc\\qr");
    ConversionOptions rtl;
    rtl.rightToLeftDocument = 1;
    EXPECT_EQ(ConvertBody(Justification(0) + Justification(3) + Bytes({0x81}), rtl), "\\qr\\ql\\ql");
    EXPECT_THROW(ConvertBody(Bytes({0xD0, 6, 0, 0})), std::invalid_argument);
}

TEST(Paragraphs, PaperSize) {
    EXPECT_EQ(ConvertBody(PaperSize(13200, 10200, 0)), "\\pghsxn15840\\pgwsxn12240");
    EXPECT_EQ(ConvertBody(PaperSize(10200, 13200, 1) + Tab(0x40) + "\x0A"),
              "\\pghsxn12240\\pgwsxn15840\\lndscpsxn\\tab{\\tx0\\tqr\\tx12960\\par}\n");
    EXPECT_THROW(ConvertBody(Variable(0xD0, 11, std::string(100, '\0'))), std::invalid_argument);
}

TEST(Paragraphs, LineNumbering) {
    EXPECT_EQ(ConvertBody(LineNumbering(0x85, 1)), "\\linemod5\\linex0\\linestarts1\\linerestart");
    EXPECT_EQ(ConvertBody(LineNumbering(0xA5, 1)), "\\linemod5\\linex0\\linestarts1\\lineppage\\linerestart");
    EXPECT_EQ(ConvertBody(LineNumbering(0x05, 1)), "\\linemod0");
    EXPECT_EQ(ConvertBody("a" + LineNumbering(0x05, 1)), "\\'61{\\par}\n\\sect\\sbknone\\ltrsect\\linemod0");
}

TEST(Paragraphs, FieldTextEndsParagraphsWithASpace) {
    ConversionOptions options;
    DocumentReader reader(options, kNeverCancelled);
    reader.AdjustFieldDepth(1);
    reader.pendingFormat = "\\lin720";
    RtfBuffer out;
    reader.EndParagraph(out);
    EXPECT_EQ(out, "\\'20");
    EXPECT_TRUE(reader.pendingFormat.empty());
}

}  // namespace
}  // namespace quorin::test
