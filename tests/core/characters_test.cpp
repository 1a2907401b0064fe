// Plain characters and the rules every character set shares.
#include <gtest/gtest.h>

#include <functional>

#include "core/document_reader.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

std::string Write(const std::function<void(DocumentReader&, RtfBuffer&)>& action, int reverse = 0, int rtl = 0,
                  DocumentReader* state = nullptr) {
    ConversionOptions options;
    options.reverseParentheses = reverse;
    options.rightToLeftDocument = rtl;
    DocumentReader reader(options, kNeverCancelled);
    RtfBuffer out;
    action(reader, out);
    if (state) {
        state->paragraphOpen = reader.paragraphOpen;
        state->sectionHasText = reader.sectionHasText;
        state->script = reader.script;
    }
    return out;
}

std::string Text(std::string_view s, int reverse = 0, int rtl = 0) {
    return Write(
        [&](DocumentReader& r, RtfBuffer& out) {
            for (char c : s) r.WritePlainCharacter(static_cast<uint8_t>(c), out);
        },
        reverse, rtl);
}

TEST(Characters, PlainTextIsHexEscaped) {
    EXPECT_EQ(Text("A{b}"), "\\'41\\'7B\\'62\\'7D");
    EXPECT_EQ(Text("~\\"), "\\'7E\\'5C");
    EXPECT_EQ(Text("\x7F"), "\\'7F");
}

TEST(Characters, ParenthesesReverseOnlyInRightToLeftTextWithTheOption) {
    EXPECT_EQ(Text("(x)", 1, 1), "\\'29\\'78\\'28");
    EXPECT_EQ(Text("[{<", 1, 1), "\\'5D\\'7D\\'3C");
    EXPECT_EQ(Text("(x)", 1, 0), "\\'28\\'78\\'29");
    EXPECT_EQ(Text("(x)", 0, 1), "\\'28\\'78\\'29");
}

TEST(Characters, QuotationMarksInFieldText) {
    EXPECT_EQ(Text("\""), "\\'22");
    EXPECT_EQ(Write([](DocumentReader& r, RtfBuffer& out) {
                  r.AdjustFieldDepth(1);
                  r.WritePlainCharacter('"', out);
              }),
              "\\'5c\\'22");
}

TEST(Characters, BytesOutsideTheTextRangeWriteNothingButMarkText) {
    ConversionOptions stateOptions;
    DocumentReader state(stateOptions, kNeverCancelled);
    EXPECT_EQ(Write([](DocumentReader& r, RtfBuffer& out) { r.WritePlainCharacter(0x80, out); }, 0, 0, &state), "");
    EXPECT_TRUE(state.paragraphOpen);
    EXPECT_TRUE(state.sectionHasText);
    EXPECT_EQ(Write([](DocumentReader& r, RtfBuffer& out) { r.WritePlainCharacter(0x1F, out); }), "");
}

TEST(Characters, Placeholders) {
    EXPECT_EQ(ConvertBody(Extended(1, 234)), "\\lang1033\\ansicpg1252\\f0\\fs24\\'3C\\'3C1,234\\'3E\\'3E");
    EXPECT_EQ(ConvertBody(Extended(2, 28)), "\\'3C\\'3C2,28\\'3E\\'3E{\\par}\n");
    for (int set : {6, 7, 8, 11, 12})
        EXPECT_EQ(ConvertBody(Extended(static_cast<uint8_t>(set), 45)),
                  "\\'3C\\'3C" + std::to_string(set) + ",45\\'3E\\'3E{\\par}\n");
    EXPECT_EQ(ConvertBody(Extended(20, 5)), "\\'3C\\'3C20,5\\'3E\\'3E") << "no text mark, so no paragraph";
    EXPECT_EQ(ConvertBody(Extended(200, 130)), "\\'3C\\'3C200,130\\'3E\\'3E");
}

TEST(Characters, SetsThatWriteNothingBeyondTheirTables) {
    EXPECT_EQ(ConvertBody(Extended(4, 85)), "{\\par}\n");
    EXPECT_EQ(ConvertBody(Extended(5, 35)), "{\\par}\n");
    EXPECT_EQ(ConvertBody(Extended(14, 220)), "\\lang1025\\ansicpg1256\\f2000\\fs24{\\par}\n");
    EXPECT_EQ(ConvertBody(Extended(13, 0) + Extended(13, 9)), "\\lang1025\\ansicpg1256\\f2000\\fs24{\\par}\n");
}

TEST(Characters, MultinationalSelectsEnglishOnceAndLeavesTextMarksAlone) {
    EXPECT_EQ(ConvertBody(Extended(1, 41) + Extended(1, 41)), "\\lang1033\\ansicpg1252\\f0\\fs24\\'e9\\'e9");
    // Only multinational characters: the paragraph counts as empty.
    EXPECT_EQ(ConvertBody(Extended(1, 23) + "\x0C"), "\\lang1033\\ansicpg1252\\f0\\fs24\\'df\\page\\vertalt\n");
}

TEST(Characters, ScriptsSelectedBySets) {
    EXPECT_EQ(ConvertBody(Extended(9, 200)), "\\lang1037\\ansicpg1255\\f1000\\fs24\\'3C\\'3C9,200\\'3E\\'3E{\\par}\n");
    EXPECT_EQ(ConvertBody(Extended(10, 200)), "\\lang1049\\ansicpg1251\\f0\\fs24\\'3C\\'3C10,200\\'3E\\'3E{\\par}\n");
    EXPECT_EQ(ConvertBody(Extended(3, 200)), "\\lang1033\\ansicpg1252\\f0\\fs24\\'3C\\'3C3,200\\'3E\\'3E{\\par}\n");
}

TEST(Characters, ExtendedCharacterThroughTheCodeTable) {
    ConversionOptions options;
    DocumentReader reader(options, kNeverCancelled);
    RtfBuffer out("stale");
    reader.OnExtendedCharacter(RtfBuffer(Extended(0, 'A')), out);
    EXPECT_EQ(out, "\\'41");
    RtfBuffer shortCode("kept");
    reader.OnExtendedCharacter(RtfBuffer(Extended(0, 'A').substr(0, 3)), shortCode);
    EXPECT_EQ(shortCode, "kept");
}

}  // namespace
}  // namespace quorin::test
