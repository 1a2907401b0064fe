// Reversed text holding groups within groups, characters written as several
// escapes, and what follows the reversed text.
#include <gtest/gtest.h>

#include "rtl_codes.h"
#include "support/libreoffice_read_back.h"
#include "support/rtf_checks.h"
#include "support/structure_codes.h"

namespace quorin::test {
namespace {

TEST(ReversedText, GroupHoldingGroupsStaysOneUnit) {
    const std::string cyrillicNote = ConvertBody(Reversed("x" + Footnote("y" + Extended(10, 0))));
    EXPECT_TRUE(BracesBalanced(cyrillicNote));
    EXPECT_EQ(cyrillicNote,
              R"(\'20{\footnote\f0\sz24\qj\ltrpar\ltrch\ltrmark\'79\lang1049\ansicpg1251\f0\fs24{\uc0\u1040}\'20})"
              R"({\super\chftn}\'78)");
    // The pointed letter inside the note keeps its Unicode escape.
    EXPECT_EQ(ConvertBody(Reversed(Footnote(Extended(9, 83)))),
              R"({\footnote\f0\sz24\qj\ltrpar\ltrch\ltrmark\lang1037\ansicpg1255\f1000\fs24{\uc2\u-1232\'e0\'cc}\'20})"
              R"({\super\chftn})");
}

TEST(ReversedText, EveryCharacterStaysOneUnit) {
    // A Unicode escape stays with its fallback byte: apart, the letter would
    // show twice and swallow the text after the code.
    EXPECT_EQ(ConvertBody(Reversed(SetText(13, {52, 54})) + "AB"),
              "{" + kArabic + R"(\'20{\u1576\'c8}{\u1575\'c7}}\'41\'42{\par})" "\n");
    // A point stays after its letter.
    EXPECT_EQ(ConvertBody(Reversed(SetText(9, {105, 0, 110}))),
              "{" + kHebrew + R"(\'20{\u-1237\'f9}\'e0{\'ef\'c8}})");
    // Neither character counts as text, so no paragraph end comes first; the
    // placeholder comes after the script selection of the character before it.
    EXPECT_EQ(ConvertBody(Reversed(Extended(1, 212) + Extended(20, 5))),
              "{" + kEnglish + R"({\'3C\'3C20,5\'3E\'3E}{\'44\u772\'af}})");
    // Forms that are one unit already are written as they are; each run of
    // one script is a group that selects it.
    EXPECT_EQ(ConvertBody(Reversed(SetText(10, {0, 110}) + Extended(9, 91))),
              "{" + kHebrew + R"(\'20{\'e7\'cc}}{)" + kRussian + R"({\uc0\u1040\u769}{\uc0\u1040}})");
}

TEST(ReversedText, ScriptIsSelectedAgainAfterIt) {
    // The Hebrew selection stands in front of its letters, inside their
    // group; readers keep its code page past the group, so the e acute after
    // the code states its own again.
    EXPECT_EQ(ConvertBody(Extended(1, 41) + Reversed(Extended(9, 0)) + Extended(1, 41)),
              kEnglish + R"(\'e9{)" + kHebrew + R"(\'20\'e0})" + kEnglish + R"(\'e9)");
    // Reversed text that writes nothing changes nothing.
    EXPECT_EQ(ConvertBody(Extended(1, 41) + Reversed("") + Extended(1, 41)), kEnglish + R"(\'e9\'e9)");
}

TEST(ReversedText, QuotationMarksAreEscapedOnlyInsideFields) {
    // The copy is one field level deeper only so that its paragraph ends
    // become spaces; an escape here would show as a backslash.
    EXPECT_EQ(ConvertBody(Reversed("a\"b")), R"(\'20\'62\'22\'61)");
    // Inside a mark's entry the escape stays in front of its quotation mark.
    EXPECT_EQ(ConvertBody(MarkStart() + Reversed("a\"") + MarkEnd(1)),
              R"(\'20\'22\'61{\field{\*\fldinst {TC "\'20{\'5c\'22}\'61" \\l 2}}{\fldrslt }})");
}

TEST(ReversedText, LibreOfficeReadsReversedText) {
    if (!LibreOfficeAvailable()) GTEST_SKIP() << "soffice is not installed";
    // Sharp s is a letter of windows-1252 and kaf in windows-1256.
    const std::string body = Reversed(SetText(13, {52, 54})) + "AB\x0A" + Extended(1, 23) +
                             Reversed(Extended(13, 52)) + Extended(1, 23) + "\x0A" + Reversed("a\"b") + "\x0A";
    const auto text =
        ReadBackWithLibreOffice(ConvertFile(WpDocument().Body(body).Build()), "txt:Text (encoded):UTF8", "txt");
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, "\xEF\xBB\xBF \u0628\u0627AB\n\u00DF \u0627\u00DF\n b\"a\n");
}

}  // namespace
}  // namespace quorin::test
