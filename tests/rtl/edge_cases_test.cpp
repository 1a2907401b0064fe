// The documented examples of right-to-left text and of the Hebrew, Arabic,
// Cyrillic, box-drawing and symbol sets, byte for byte through the reader.
#include <gtest/gtest.h>

#include "core/document_reader.h"
#include "rtl_codes.h"

namespace quorin::test {
namespace {

std::string ConvertRightToLeft(std::string_view codes) {
    ConversionOptions options;
    options.rightToLeftDocument = 1;
    return ConvertBody(codes, options);
}

TEST(DirectionExamples, HebrewRunInLeftToRightText) {
    const std::string shalom = SetText(9, {25, 12, 5, 13});
    EXPECT_EQ(ConvertBody("a" + Bytes({0xB3}) + shalom + Bytes({0xB4}) + "b"),
              "\\'61\\rtlch\\rtlmark" + kHebrew + R"(\'f9\'ec\'e5\'ed)" + "\\ltrch\\ltrmark" + kEnglish +
                  "\\'62" + kParagraph);
    // Hebrew already selected: the switch writes only the direction.
    EXPECT_EQ(ConvertBody(Extended(9, 0) + Bytes({0xB3}) + Extended(9, 1) + Bytes({0xB4})),
              kHebrew + R"(\'e0\rtlch\rtlmark\'e1\ltrch\ltrmark)" + kEnglish + kParagraph);
    // In right-to-left text the switch starts an English run, and the restore
    // keeps English selected until the next Hebrew character.
    EXPECT_EQ(ConvertRightToLeft(Extended(9, 0) + Bytes({0xB3}) + "ab" + Bytes({0xB4}) + Extended(9, 1)),
              kHebrew + R"(\'e0\ltrch\ltrmark)" + kEnglish + R"(\'61\'62\rtlch\rtlmark)" + kHebrew + "\\'e1" +
                  kParagraph);
}

TEST(DirectionExamples, SwitchAndRestoreLeaveTheDirectionAlone) {
    EXPECT_EQ(ConvertBody(Bytes({0xB3, 0x81})), "\\rtlch\\rtlmark" + kHebrew + "\\qr");
    EXPECT_EQ(ConvertRightToLeft(Bytes({0xB3, 0xB4, 0x81})),
              "\\ltrch\\ltrmark" + kEnglish + "\\rtlch\\rtlmark\\ql");
}

TEST(DirectionExamples, DirectionCodeBeforeAndAfterText) {
    EXPECT_EQ(ConvertBody(Direction(1)), "\\rtlsect\\rtlpar\\rtlch\\rtlmark");
    EXPECT_EQ(ConvertBody(Extended(9, 0) + Direction(1)), kHebrew + "\\'e0\\rtlpar\\rtlch\\rtlmark" + kParagraph);
    // Only bit 0 counts.
    EXPECT_EQ(ConvertRightToLeft(Direction(0xFE)), "\\ltrsect\\ltrpar\\ltrch\\ltrmark");
    // A multinational character is not text for the section direction.
    EXPECT_EQ(ConvertBody(Extended(1, 23) + Direction(1)), kEnglish + "\\'df\\rtlsect\\rtlpar\\rtlch\\rtlmark");
}

TEST(DirectionExamples, ReversedText) {
    EXPECT_EQ(ConvertBody(Reversed("AB")), "\\'20\\'42\\'41");
    EXPECT_EQ(ConvertBody(Reversed("")), "");
    // Alef with mapiq: the letter keeps its Unicode escape, and the script
    // selection goes in front of the letters it governs, in a group of their
    // own, so nothing after the code changes.
    EXPECT_EQ(ConvertBody(Reversed(Extended(9, 83))), "{" + kHebrew + R"(\'20{\uc2\u-1232\'e0\'cc}})");
    // The copy starts without a script even when Hebrew is selected outside.
    EXPECT_EQ(ConvertBody(Extended(9, 0) + Reversed(Extended(9, 1))),
              kHebrew + R"(\'e0{)" + kHebrew + R"(\'20\'e1})" + kParagraph);
}

TEST(HebrewExamples, AlefAfterEnglishText) {
    EXPECT_EQ(ConvertBody(FontChange(3, 600) + Extended(1, 41) + Extended(9, 0) + Extended(9, 0)),
              "\\f3\\fs24\\lang1033\\ansicpg1252\\f3\\fs24\\'e9\\lang1037\\ansicpg1255\\f1003\\fs24\\'e0\\'e0" +
                  kParagraph);
}

TEST(HebrewExamples, PointedLettersAndPlaceholder) {
    EXPECT_EQ(ConvertBody(Extended(9, 101)), kHebrew + R"({\uc2\u-1222\'ea\'cc\'c8})" + kParagraph);
    EXPECT_EQ(ConvertBody(Extended(9, 119)), kHebrew + R"(\'3C\'3C9,119\'3E\'3E)" + kParagraph);
}

TEST(ArabicExamples, CharactersThatWriteNothingStillSelectTheScript) {
    EXPECT_EQ(ConvertBody(Extended(9, 0) + Extended(13, 5)), kHebrew + "\\'e0" + kArabic + kParagraph);
    EXPECT_EQ(ConvertBody(Extended(14, 220)), kArabic + kParagraph);
}

TEST(ArabicExamples, QafAndItsForms) {
    EXPECT_EQ(ConvertBody(SetText(13, {122, 123, 124, 125})),
              kArabic + R"(\u1602\'de\u-297\'de\u-296\'de\u-298\'de)" + kParagraph);
}

TEST(ArabicExamples, ArabicScriptSetValues) {
    EXPECT_EQ(ConvertBody(SetText(14, {0, 49, 65})), kArabic + R"(\u95\'5f\u-1196\'5f\u1660\'5f)" + kParagraph);
}

TEST(ArabicExamples, BothArabicSetsShareTheArabicScript) {
    EXPECT_EQ(ConvertBody(Extended(13, 52) + Extended(14, 152)), kArabic + R"(\u1575\'c7\u1603\'5f)" + kParagraph);
    ConversionOptions options;
    DocumentReader reader(options);
    RtfBuffer out;
    reader.WriteSetCharacter14(152, out);
    EXPECT_EQ(reader.script, 3);
}

TEST(SymbolExamples, BoxDrawingAfterHebrew) {
    EXPECT_EQ(ConvertBody(Extended(9, 0) + Extended(3, 0)),
              kHebrew + "\\'e0" + kEnglish + R"({\uc1\u9617\'a6})" + kParagraph);
    EXPECT_EQ(ConvertBody(Extended(3, 56)), kEnglish + R"(\'3C\'3C3,56\'3E\'3E)" + kParagraph);
}

TEST(SymbolExamples, TypographicAndIconicSymbolsSelectNoScript) {
    EXPECT_EQ(ConvertBody(SetText(4, {51, 77, 0, 85})), R"(\u-1280\'5f\u-424\'5f\u8226\'5f)" + kParagraph);
    EXPECT_EQ(ConvertBody(Extended(9, 0) + Extended(4, 85)), kHebrew + "\\'e0" + kParagraph);
    EXPECT_EQ(ConvertBody(SetText(5, {0, 35})), R"(\u9829\'5f)" + kParagraph);
}

TEST(CyrillicExamples, RussianScriptKeepsTheLatinFace) {
    EXPECT_EQ(ConvertBody(FontChange(3, 600) + Extended(10, 12)),
              R"(\f3\fs24\lang1049\ansicpg1251\f3\fs24{\uc0\u1025})" + kParagraph);
    EXPECT_EQ(ConvertBody(SetText(10, {110, 150})),
              kRussian + R"({\uc0\u1040\u769}\'3C\'3C10,150\'3E\'3E)" + kParagraph);
    // A box-drawing or multinational character selects English again.
    EXPECT_EQ(ConvertBody(Extended(10, 0) + Extended(3, 8) + Extended(10, 1) + Extended(1, 23)),
              kRussian + R"({\uc0\u1040})" + kEnglish + R"({\uc1\u9472\'2d})" + kRussian + R"({\uc0\u1072})" +
                  kEnglish + R"(\'df)" + kParagraph);
}

}  // namespace
}  // namespace quorin::test
