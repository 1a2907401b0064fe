// A small right-to-left document as a writer would make it: Hebrew with an
// English word inside, Arabic in its contextual forms and an Arabic-Indic
// number; checked whole, then read back by LibreOffice.
#include <gtest/gtest.h>

#include "rtl_codes.h"
#include "support/libreoffice_read_back.h"
#include "support/rtf_checks.h"

namespace quorin::test {
namespace {

// One font: a font list record naming the pool's first name, and the pool.
WpDocument WithFont(WpDocument document, const std::string& name) {
    return document.Packet(2, std::string(86, '\0')).Packet(7, name + '\0');
}

std::string HebrewAndArabic() {
    const std::string shalom = SetText(9, {25, 12, 5, 13}), olam = SetText(9, {18, 5, 12, 13});
    const std::string salaam = SetText(13, {87, 132, 53, 134});  // seen initial, lam medial, alef final, meem
    const std::string year = SetText(13, {41, 49, 49, 50});      // one, nine, nine, zero
    const std::string body = shalom + " " + Bytes({0xB3}) + "Quorin" + Bytes({0xB4}) + " " + olam + "\x0A" + salaam +
                             " " + year + "\x0A";
    return WithFont(WpDocument().Body(body), "David").Build();
}

std::string ConvertRightToLeft(const std::string& file) {
    ConversionOptions options;
    options.rightToLeftDocument = 1;
    return ConvertFile(file, options);
}

TEST(RightToLeftDocument, ConvertsWhole) {
    EXPECT_EQ(ConvertRightToLeft(HebrewAndArabic()),
              "{\\rtf1\\ansi\n\\deff1000{\\fonttbl{\\f0\\froman\\fcharset0\\cpg1252 David;}"
              "{\\f1000\\fbidi\\fcharset177\\cpg1255 David;}{\\f2000\\fbidi\\fcharset178\\cpg1256 David;}\n}\n"
              "{\\stylesheet}\\qj\\fet2\\enddoc\\aenddoc\\ftnnar\\aftnnar\\viewkind1\\facingp"
              "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440"
              "\\rtldoc\\rtlgutter\\rtlsect\\rtlpar"
              // Hebrew, the English word in its own direction and script, Hebrew again.
              "\\lang1037\\ansicpg1255\\f1000\\fs24\\'f9\\'ec\\'e5\\'ed\\'20"
              "\\ltrch\\ltrmark\\lang1033\\ansicpg1252\\f0\\fs24\\'51\\'75\\'6F\\'72\\'69\\'6E\\rtlch\\rtlmark\\'20"
              "\\lang1037\\ansicpg1255\\f1000\\fs24\\'f2\\'e5\\'ec\\'ed{\\par}\n"
              // Presentation forms and digits, each with its windows-1256 fallback.
              "\\lang1025\\ansicpg1256\\f2000\\fs24\\u-333\\'d3\\u-288\\'e1\\u-370\\'c7\\u1605\\'e3\\'20"
              "\\u1633\\'31\\u1641\\'39\\u1641\\'39\\u1632\\'30{\\par}\n}");
}

// The text LibreOffice reads, without its byte-order mark and direction marks.
std::string PlainText(std::string text) {
    for (const char* mark : {"\xEF\xBB\xBF", "\xE2\x80\x8E", "\xE2\x80\x8F"}) {
        for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark)) text.erase(at, 3);
    }
    return text;
}

TEST(RightToLeftDocument, LibreOfficeReadsTheLetters) {
    if (!LibreOfficeAvailable()) GTEST_SKIP() << "soffice is not installed";
    const std::string rtf = ConvertRightToLeft(HebrewAndArabic());
    ASSERT_TRUE(BracesBalanced(rtf));
    const auto text = ReadBackWithLibreOffice(rtf, "txt:Text (encoded):UTF8", "txt");
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(PlainText(*text),
              "\u05E9\u05DC\u05D5\u05DD Quorin \u05E2\u05D5\u05DC\u05DD\n"
              "\uFEB3\uFEE0\uFE8E\u0645 \u0661\u0669\u0669\u0660\n");
}

}  // namespace
}  // namespace quorin::test
