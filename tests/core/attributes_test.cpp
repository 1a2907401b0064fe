// Attributes, fonts, sizes, languages and style references.
#include <gtest/gtest.h>

#include "core/document_reader.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

std::string On(int a) { return Fixed(0xC3, {a}); }
std::string Off(int a) { return Fixed(0xC4, {a}); }

// A font change (0xD1 subfunction 1) to `font` with the size word `size`, in the
// common long form (size word at offset 5) or the 39-byte form (offset 32).
std::string FontChange(int font, int size, bool shortForm = false) {
    std::string fields(shortForm ? 32 : 40, '\0');
    fields[29 - 4] = static_cast<char>(font);
    size_t at = shortForm ? 32 : 5;
    fields[at - 4] = static_cast<char>(size & 0xFF);
    fields[at - 3] = static_cast<char>(size >> 8);
    return Variable(0xD1, 1, fields);
}

std::string Language(const char* letters) {
    return Variable(0xD3, 17, std::string("\0\0", 2) + letters + std::string(4, '\0'));
}

TEST(Attributes, PairsWriteTheirControlWords) {
    EXPECT_EQ(ConvertBody(On(12) + Off(12)), "\\b\\b0");
    EXPECT_EQ(ConvertBody(On(11) + Off(11) + Off(14)), "\\uldb\\ul0\\ul0");
    EXPECT_EQ(ConvertBody(On(5) + On(6) + Off(6) + On(7) + Off(7) + On(8) + Off(8) + On(9) + Off(9)),
              "\\super\\sub\\nosupersub\\outl\\outl0\\i\\i0\\shad\\shad0");
    EXPECT_EQ(ConvertBody(On(13) + Off(13) + On(14) + On(15) + Off(15)), "\\strike\\strike0\\ul\\scaps\\scaps0");
    EXPECT_EQ(ConvertBody(On(10) + Off(10) + On(16) + Off(255)), "");
}

TEST(Attributes, SizeAttributesDoNotNest) {
    EXPECT_EQ(ConvertBody(On(0) + On(1) + Off(1) + Off(0)), "\\fs48\\fs48\\fs24");
    EXPECT_EQ(ConvertBody(On(1) + On(2) + On(3) + On(4)), "\\fs36");
    EXPECT_EQ(ConvertBody(On(3) + Off(3) + On(4) + Off(4)), "\\fs19\\fs24\\fs12\\fs24");
    EXPECT_EQ(ConvertBody(On(2) + Off(2)), "\\fs29\\fs24");
}

TEST(Attributes, FontChanges) {
    EXPECT_EQ(ConvertBody(FontChange(3, 600)), "\\f3\\fs24");
    EXPECT_EQ(ConvertBody(FontChange(2, 500, true)), "\\f2\\fs20");
    EXPECT_EQ(ConvertBody(FontChange(4, 0)), "\\f4\\fs0");
    EXPECT_EQ(ConvertBody(FontChange(1, 1100) + On(0)), "\\f1\\fs44\\fs88");
    EXPECT_EQ(ConvertBody(Variable(0xD1, 2, "")), "") << "other subfunctions write nothing";
}

TEST(Attributes, FontNumbersFollowTheScript) {
    EXPECT_EQ(ConvertBody(Language("HE") + FontChange(3, 600)),
              "\\lang1037\\ansicpg1255\\f1000\\fs24\\f1003\\fs24");
    EXPECT_EQ(ConvertBody(FontChange(3, 600) + Language("HE") + Language("HE")),
              "\\f3\\fs24\\lang1037\\ansicpg1255\\f1003\\fs24");
    EXPECT_EQ(ConvertBody(Language("AR") + Language("AF") + Language("EN") + Language("HU")),
              "\\lang1025\\ansicpg1256\\f2000\\fs24\\lang1033\\ansicpg1252\\f0\\fs24");
}

TEST(Attributes, Styles) {
    auto styleOn = [](int number, int kind) {
        std::string f(13, '\0');
        f[13 - 4] = static_cast<char>(number);
        f[16 - 4] = static_cast<char>(kind);
        return Variable(0xDB, 0, f);
    };
    std::string off(19, '\0');
    off[19 - 4] = 5;
    EXPECT_EQ(ConvertBody(styleOn(5, 0) + Variable(0xDB, 1, off)), "\\cs5\\cs261");
    EXPECT_EQ(ConvertBody(styleOn(200, 127)), "\\s-56");
    EXPECT_EQ(ConvertBody(Variable(0xDB, 2, Bytes({9}))), "\\s9");
    EXPECT_EQ(ConvertBody(Variable(0xDB, 3, "")), "");
}

TEST(Attributes, ShortCodesEndTheConversion) {
    EXPECT_THROW(ConvertBody(Variable(0xD1, 1, std::string(21, '\0'))), std::invalid_argument);
    EXPECT_EQ(ConvertBody(Variable(0xD1, 1, std::string(22, '\0'))), "\\f0\\fs0") << "29 bytes: offset 29 reads 0";
    EXPECT_THROW(ConvertBody(Bytes({0xD3, 17, 0, 0})), std::invalid_argument);
    EXPECT_THROW(ConvertBody(Variable(0xDB, 0, std::string(6, '\0'))), std::invalid_argument);
}

}  // namespace
}  // namespace quorin::test
