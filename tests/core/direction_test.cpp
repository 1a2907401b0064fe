// Direction codes and reversed text.
#include <gtest/gtest.h>

#include "core/document_reader.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

std::string Direction(int byte) { return Variable(0xD3, 19, Bytes({0, byte})); }
// A reversed-text code: subfunction 2, two bytes of its own, then the text and
// the zero byte that ends it.
std::string Reversed(std::string_view text, int subfunction = 2) {
    return Variable(0xD8, static_cast<uint8_t>(subfunction), std::string(2, '\0') + std::string(text) + '\0');
}

std::string ConvertRightToLeft(std::string_view codes) {
    ConversionOptions options;
    options.rightToLeftDocument = 1;
    return ConvertBody(codes, options);
}

TEST(Direction, TextDirectionCodeWritesTheSectionDirectionOnlyBeforeText) {
    EXPECT_EQ(ConvertBody(Direction(1)), "\\rtlsect\\rtlpar\\rtlch\\rtlmark");
    EXPECT_EQ(ConvertBody("a" + Direction(1) + "b"), "\\'61\\rtlpar\\rtlch\\rtlmark\\'62{\\par}\n");
    EXPECT_EQ(ConvertRightToLeft(Direction(2)), "\\ltrsect\\ltrpar\\ltrch\\ltrmark");
    // The next section break carries the new direction.
    EXPECT_EQ(ConvertBody("a" + Direction(1) + Bytes({0x88})),
              "\\'61\\rtlpar\\rtlch\\rtlmark{\\par}\n\\sect\\sbknone\\rtlsect\\cols1");
    EXPECT_THROW(ConvertBody(Bytes({0xD3, 19, 0, 0})), std::invalid_argument);
}

TEST(Direction, SwitchAndRestoreInLeftToRightText) {
    EXPECT_EQ(ConvertBody("a" + Bytes({0xB3}) + "b" + Bytes({0xB4})),
              "\\'61\\rtlch\\rtlmark\\lang1037\\ansicpg1255\\f1000\\fs24\\'62"
              "\\ltrch\\ltrmark\\lang1033\\ansicpg1252\\f0\\fs24{\\par}\n");
}

TEST(Direction, SwitchAndRestoreInRightToLeftText) {
    EXPECT_EQ(ConvertRightToLeft(Bytes({0xB3, 0xB4})),
              "\\ltrch\\ltrmark\\lang1033\\ansicpg1252\\f0\\fs24\\rtlch\\rtlmark");
}

TEST(Direction, ReversedTextComesOutInReverseUnitOrder) {
    EXPECT_EQ(ConvertBody(Reversed("AB")), "\\'20\\'42\\'41");
    EXPECT_EQ(ConvertBody(Reversed("")), "");
    EXPECT_EQ(ConvertBody(Reversed("AB", 1)), "");
    // A group stays one unit; bold stays on the characters after its code.
    EXPECT_EQ(ConvertBody(Reversed("a" + Fixed(0xC3, {12}) + "b" + Bytes({0x8D}))),
              "{\\b\\'20{\\super\\chftn\\'20}\\'62}\\'61");
    // The sub-document ends at its first zero byte.
    EXPECT_EQ(ConvertBody(Reversed(std::string("xy\0z", 4))), "\\'20\\'79\\'78");
}

TEST(Direction, ReversedTextWithinReversedTextStaysOneUnit) {
    EXPECT_EQ(ConvertBody(Reversed("a" + Reversed("bc"))), "\\'20{\\'20\\'63\\'62}\\'61");
}

TEST(Direction, ReversedTextWithinReversedTextIsBounded) {
    std::string code = "a";
    for (int level = 0; level < 40; ++level) code = Reversed(code);
    std::string out = ConvertBody(code);
    EXPECT_LT(out.size(), 200u);
}

}  // namespace
}  // namespace quorin::test
