// Headers, footers, notes and marks: sub-documents converted by nested runs.
#include <gtest/gtest.h>

#include "core/document_reader.h"
#include "support/rtf_checks.h"
#include "support/structure_codes.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

// Every output of these tests must also be balanced RTF.
std::string ConvertBody(std::string_view codes, const ConversionOptions& options = {}) {
    std::string rtf = test::ConvertBody(codes, options);
    EXPECT_TRUE(BracesBalanced(rtf)) << rtf;
    return rtf;
}

constexpr const char* kLtr = "\\ltrpar\\ltrch\\ltrmark";

size_t Count(const std::string& text, const std::string& what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

TEST(HeadersFooters, OccurrenceChoosesThePages) {
    std::string group = std::string("\\f0\\sz24\\qj") + kLtr + "\\'48\\'69{\\par}\n}";
    EXPECT_EQ(ConvertBody(HeaderFooter(0, 1, "Hi")), "{\\headerr" + group + "{\\headerl" + group);
    EXPECT_EQ(ConvertBody(HeaderFooter(1, 2, "Hi")), "{\\headerr" + group);
    EXPECT_EQ(ConvertBody(HeaderFooter(3, 4, "Hi")), "{\\footerl" + group);
    EXPECT_EQ(ConvertBody(HeaderFooter(4, 1, "Hi")), "{\\footerr" + group + "{\\footerl" + group);
    EXPECT_EQ(ConvertBody(HeaderFooter(2, 1, "Hi")), "");
    EXPECT_EQ(ConvertBody(HeaderFooter(0, 3, "Hi")), "");
}

TEST(HeadersFooters, LengthWord) {
    // Length word 19: too short for a sub-document; 22: an empty one.
    std::string fields(16, '\0');
    fields[7] = 1;
    EXPECT_EQ(ConvertBody(Variable(0xD5, 0, fields)), "");
    fields.resize(19, '\0');
    EXPECT_EQ(ConvertBody(Variable(0xD5, 0, fields)),
              std::string("{\\headerr\\f0\\sz24\\qj") + kLtr + "}{\\headerl\\f0\\sz24\\qj" + kLtr + "}");
    // The occurrence byte at offset 11 is tested.
    EXPECT_THROW(ConvertBody(Variable(0xD5, 0, std::string(3, '\0'))), std::invalid_argument);
}

TEST(HeadersFooters, SubDocumentStartsAFreshCopy) {
    // The copy keeps the font size but not the main text's marks or pending format.
    std::string body = "a" + Fixed(0xC2, {1}) + HeaderFooter(0, 2, "b") + "\x0A";
    EXPECT_EQ(ConvertBody(body),
              std::string("\\'61{\\headerr\\f0\\sz24\\qj") + kLtr + "\\'62{\\par}\n}{\\li720\\ri720\\par}\n");
}

TEST(Notes, FootnoteAndEndnote) {
    std::string text = std::string(kLtr) + "\\'4E{\\par}\n}";
    EXPECT_EQ(ConvertBody(Footnote("N")), "{\\super\\chftn}{\\footnote\\f0\\sz24\\qj" + text);
    EXPECT_EQ(ConvertBody(Footnote("N", 255)), "{\\super\\chftn}{\\footnote\\f0\\sz24\\qj" + text);
    EXPECT_EQ(ConvertBody(Endnote("N")), "{\\super\\chftn}{\\footnote\\ftnalt\\f0\\sz24\\qj" + text);
    EXPECT_EQ(ConvertBody(Variable(0xD6, 2, std::string(20, 'x'))), "");
}

TEST(Notes, TextOffsetFollowsTheNumberByte) {
    // Byte 0 at offset 7 puts the text at 19, byte 255 at 17: the same bytes read differently.
    std::string fields(30, '\0');
    fields[17 - 4] = 'P';
    fields[19 - 4] = 'Q';
    EXPECT_NE(ConvertBody(Variable(0xD6, 0, fields)).find("\\'51{\\par}"), std::string::npos);
    fields[7 - 4] = static_cast<char>(255);
    std::string rtf = ConvertBody(Variable(0xD6, 0, fields));
    EXPECT_NE(rtf.find("\\'50"), std::string::npos) << rtf;
    // A footnote shorter than its number byte is refused.
    EXPECT_THROW(ConvertBody(Bytes({0xD6, 0, 2, 0, 0, 0})), std::invalid_argument);
}

TEST(Notes, RightToLeftGroups) {
    ConversionOptions options;
    options.rightToLeftDocument = 1;
    std::string rtl = "\\rtlpar\\rtlch\\rtlmark";
    EXPECT_EQ(ConvertBody(HeaderFooter(3, 2, ""), options), "{\\footerr\\f0\\sz24\\qj" + rtl + "}");
    EXPECT_EQ(ConvertBody(Endnote(""), options), "{\\super\\chftn}{\\footnote\\ftnalt\\f0\\sz24\\qj" + rtl + "}");
}

TEST(Notes, HeaderHoldingAFootnote) {
    std::string note = std::string("{\\super\\chftn}{\\footnote\\f0\\sz24\\qj") + kLtr + "\\'42{\\par}\n}";
    std::string text = std::string("\\f0\\sz24\\qj") + kLtr + "\\'41" + note + "{\\par}\n}";
    EXPECT_EQ(ConvertBody(HeaderFooter(0, 1, "A" + Footnote("B"))), "{\\headerr" + text + "{\\headerl" + text);
}

TEST(Nesting, FortyLevelBombIsBounded) {
    // Every level writes its text twice; only the first eight levels are converted.
    std::string code = "X";
    for (int level = 0; level < 40; ++level) code = HeaderFooter(0, 1, code);
    std::string rtf = ConvertBody(code);
    EXPECT_EQ(Count(rtf, "{\\headerr"), 255u);
    EXPECT_EQ(Count(rtf, "{\\headerl"), 255u);
    EXPECT_EQ(rtf.find("\\'58"), std::string::npos);
    EXPECT_LT(rtf.size(), 200000u);
    EXPECT_TRUE(BracesBalanced(rtf));
}

TEST(Nesting, MixedBombOfNotesAndMarksIsBounded) {
    std::string code = "X";
    for (int level = 0; level < 40; ++level)
        code = level % 3 == 0 ? Footnote(code) : level % 3 == 1 ? AuthorityMark(1, code, "L") : HeaderFooter(4, 1, code);
    std::string rtf = ConvertBody(code);
    EXPECT_LT(rtf.size(), 2000000u);
    EXPECT_EQ(rtf.find("\\'58"), std::string::npos);
    EXPECT_TRUE(BracesBalanced(rtf));
}

// The entry of a mark: a TC field with the marked text and its level switch.
std::string Entry(const std::string& text, const std::string& level = "") {
    return "{\\field{\\*\\fldinst {TC \"" + text + "\"" + (level.empty() ? "" : " " + level) + "}}{\\fldrslt }}";
}

TEST(Marks, MarkedTextShowsAndGetsAnEntry) {
    // The text stays where it is, paragraph end and all; the entry has it on
    // one line, without the space that ends it.
    EXPECT_EQ(ConvertBody(MarkStart() + "A\x0A" + MarkEnd(1) + "B\x0A"),
              "\\'41{\\par}\n" + Entry("\\'41", "\\\\l 2") + "\\'42{\\par}\n");
    EXPECT_EQ(ConvertBody(MarkStart() + "A\x0A" + "B" + MarkEnd(2)),
              "\\'41{\\par}\n\\'42" + Entry("\\'41\\'20\\'42", "\\\\f 3") + "{\\par}\n");
    // Quotation marks are escaped in the entry only; bold applies to both.
    EXPECT_EQ(ConvertBody(Fixed(0xC3, {12}) + MarkStart() + "\"Q\"" + MarkEnd(65)),
              "\\b\\'22\\'51\\'22" + Entry("\\'5c\\'22\\'51\\'5c\\'22", "\\\\l 2") + "{\\par}\n");
    // A mark without text has no entry.
    EXPECT_EQ(ConvertBody(MarkStart() + MarkEnd(65)), "");
}

TEST(Marks, NestedMarksEachGetAnEntry) {
    EXPECT_EQ(ConvertBody(MarkStart() + MarkStart() + "A" + MarkEnd(0) + "B" + MarkEnd(1) + "C\x0A"),
              "\\'41" + Entry("\\'41", "\\\\l 1") + "\\'42" + Entry("\\'41\\'42", "\\\\l 2") + "\\'43{\\par}\n");
}

TEST(Marks, UnpairedMarks) {
    // An end without a start writes nothing; a start without an end gets its
    // entry, without a level, when the run ends.
    EXPECT_EQ(ConvertBody("A" + MarkEnd(1) + "\x0A"), "\\'41{\\par}\n");
    EXPECT_EQ(ConvertBody(MarkStart() + "A"), "\\'41{\\par}\n" + Entry("\\'41"));
    // A sub-document ends only its own marks.
    std::string rtf = ConvertBody(MarkStart() + "M" + Footnote("x" + MarkEnd(1)) + MarkEnd(1));
    EXPECT_TRUE(BracesBalanced(rtf)) << rtf;
    EXPECT_EQ(Count(rtf, "TC "), 1u) << rtf;
    EXPECT_EQ(Count(rtf, "\\\\l 2"), 1u) << rtf;
}

TEST(Marks, ManyNestedMarksStayLinear) {
    // Only the outermost few of deeply nested marks get entries of their own.
    std::string codes;
    for (int i = 0; i < 1000; ++i) codes += MarkStart();
    codes += std::string(1000, 'x');
    for (int i = 0; i < 1000; ++i) codes += MarkEnd(1);
    std::string rtf = ConvertBody(codes);
    EXPECT_EQ(Count(rtf, "TC "), static_cast<size_t>(DocumentReader::kMaxNestingDepth));
    EXPECT_LT(rtf.size(), 100000u);
}

TEST(Marks, TableOfAuthorities) {
    EXPECT_EQ(ConvertBody(AuthorityMark(32, "AB", "ignored")),
              "{\\field{\\*\\fldinst {TA \\\\s \"\\'41\\'42\\'20\" }}{\\fldrslt }}");
    EXPECT_EQ(ConvertBody(AuthorityMark(2, "S", "Long")),
              "{\\field{\\*\\fldinst {TA \\\\l \"\\'4C\\'6F\\'6E\\'67\\'20\" \\\\s \"\\'53\\'20\" \\\\c 3 }}{\\fldrslt }}");
    // Quotation marks in the text are escaped for the field instruction.
    EXPECT_EQ(ConvertBody(AuthorityMark(32, "\"", "")),
              "{\\field{\\*\\fldinst {TA \\\\s \"\\'5c\\'22\\'20\" }}{\\fldrslt }}");
    EXPECT_EQ(ConvertBody(Variable(0xD7, 9, "xx")), "");
}

TEST(Marks, AuthorityFormsShareOneCopyAndLoseEmptyGroups) {
    // The short form switches the size to 200 %; the long form runs on the
    // same copy, so its 150 % attribute finds a size in force and writes nothing.
    std::string rtf = ConvertBody(AuthorityMark(0, "S" + Fixed(0xC3, {0}), Fixed(0xC3, {1}) + "L"));
    EXPECT_EQ(rtf, "{\\field{\\*\\fldinst {TA \\\\l \"\\'4C\\'20\" \\\\s \"\\'53\\fs48\\'20\" \\\\c 1 }}{\\fldrslt }}");
    // A table without rows is an empty group, dropped from the instruction.
    std::string emptyTable = TableDefinition({.widths = {1200}}) + TableOff();
    EXPECT_EQ(ConvertBody(emptyTable), "{}");
    EXPECT_EQ(ConvertBody(AuthorityMark(32, emptyTable + "S", "")),
              "{\\field{\\*\\fldinst {TA \\\\s \"\\'53\\'20\" }}{\\fldrslt }}");
}

}  // namespace
}  // namespace quorin::test
