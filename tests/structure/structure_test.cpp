// Sub-documents nested deeply and marks across them; the byte-exact cases of
// headers, footers, notes and marks are in structure.cases.
#include <gtest/gtest.h>

#include "core/document_reader.h"
#include "support/rtf_checks.h"
#include "support/structure_codes.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

size_t Count(const std::string& text, const std::string& what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
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

TEST(Marks, ASubDocumentEndsOnlyItsOwnMarks) {
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
    EXPECT_TRUE(BracesBalanced(rtf));
}

}  // namespace
}  // namespace quorin::test
