// The notation of the case files (tests/README.md): codes against the
// builders they name, the text expected, and faults that must not pass silently.
#include <gtest/gtest.h>

#include "support/case_file.h"
#include "support/structure_codes.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

TEST(CaseNotation, CodesAreTheBuildersBytes) {
    const auto read = ReadCases("## x\nlet on(a) = fixed(0xC3, a)\nlet pair(a, b) = a on(b) a\n", "t");
    const CaseForms& forms = *read.front().forms;
    const std::pair<const char*, std::string> cases[] = {
        {"\"A\\\"\\\\\" 0x0A 65 -7", "A\"\\\nA" + Bytes({0xF9})},
        {"\"ab\"*2 0*3", std::string("abab\0\0\0", 7)},
        {"word(1800 -7) dword(70000)", Word(1800) + Word(-7) + Dword(70000)},
        {"fixed(0xC1, 0x40)", Fixed(0xC1, {0x40})},
        {"fixed(0xC0, 1 2 3)", Fixed(0xC0, {1, 2, 3})},
        {"fixed(0xC0, 1 2 3 4)", Bytes({0xC0, 1, 2, 3, 4})},
        {"variable(0xD3, 19, 0 1)", Variable(0xD3, 19, Bytes({0, 1}))},
        {"ext(9, 25 12)", Extended(9, 25) + Extended(9, 12)},
        {"resize(3, \"abcd\") resize(3, \"a\") word(length(\"xyz\"))", std::string("abca\0\0", 6) + Word(3)},
        {"header(0, 1, \"Hi\" footnote(\"N\", 255))", HeaderFooter(0, 1, "Hi" + Footnote("N", 255))},
        {"table(widths=1200*2, padding=1 2 3 4) row(1, 0, 0x8002 9, 2) cell(first=1, span=0x81) tableoff()",
         TableDefinition({.paddingLeft = 1, .paddingRight = 2, .paddingTop = 3, .paddingBottom = 4, .widths = {1200, 1200}}) +
             TableRow(1, 0, {0x8002, 9}, 2) + TableCell({.first = 1, .span = 0x81}) + TableOff()},
        {"box(4, 0x08, \"c\", \"t\")", Box(4, 0x08, "c", "t")},
        {"pair(\"x\", 12) pair(\"y\")", "x" + Fixed(0xC3, {12}) + "xy" + Fixed(0xC3) + "y"},
    };
    for (const auto& [notation, bytes] : cases) EXPECT_EQ(DecodeCodes(notation, forms), bytes) << notation;
}

TEST(CaseNotation, TextExpected) {
    const std::pair<const char*, const char*> cases[] = {
        {"\\'41{\\par}\\n", "\\'41{\\par}\n"},
        {"\\sub\\nosupersub\\n\\n{", "\\sub\\nosupersub\n\n{"},
        {"a\\\\n b", "a\\\\n b"},  // an escaped backslash, then the letter n
        {"{\\par}\\n\n\\page", "{\\par}\n\\page"},  // a continuation line joins without a break
    };
    for (const auto& [notation, text] : cases) EXPECT_EQ(DecodeText(notation), text) << notation;
}

TEST(CaseNotation, FaultsAreReported) {
    for (const char* codes : {"nothing(1)", "\"open", "12a", "256", "fixed(0xD0)", "word(\"a\")", "a", "1 , 2",
                              "\"\\n\"", "table(width=1)", "ext(9 1)"})
        EXPECT_THROW(DecodeCodes(codes), CaseFileError) << codes;
    for (const char* file : {"body: 1\n", "## t\n  continued\n", "## t\nnot a field\n", "let x = 1\nlet (a) = 1\n"})
        EXPECT_THROW(ReadCases(file, "t"), CaseFileError) << file;
    auto cases = ReadCases("# comment\n## First\nbody: 1\n  2\n\n## Second\nrtf: x\n", "f.cases");
    ASSERT_EQ(cases.size(), 2u);
    EXPECT_EQ(cases[0].Codes("body"), Bytes({1, 2}));
    EXPECT_EQ(cases[1].line, 6);
    EXPECT_EQ(cases[1].title, "Second");
}

}  // namespace
}  // namespace quorin::test
