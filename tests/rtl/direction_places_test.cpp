// Every place where the direction changes what the reader writes, in
// left-to-right and right-to-left documents and after a direction code.
#include <gtest/gtest.h>

#include "rtl_codes.h"
#include "support/structure_codes.h"

namespace quorin::test {
namespace {

struct Place {
    const char* name;
    std::string codes;
    std::string leftToRight;
    std::string rightToLeft;
    bool onlyWithOptions;  // the reverse-tab-alignment or reverse-parentheses option
};

const std::string kHeaderText = R"(\'78{\par})" "\n}";

const Place kPlaces[] = {
    {"alignment code", Bytes({0x81}), "\\qr", "\\ql", false},
    {"justification left", Justification(0), "\\ql", "\\qr", false},
    {"justification full", Justification(1), "\\qj", "\\qj", false},
    {"justification centre", Justification(2), "\\qc", "\\qc", false},
    {"justification right", Justification(3), "\\qr", "\\ql", false},
    {"section break", "a" + Bytes({0x88}), "\\'61{\\par}\n\\sect\\sbknone\\ltrsect\\cols1",
     "\\'61{\\par}\n\\sect\\sbknone\\rtlsect\\cols1", false},
    {"header", HeaderFooter(0, 2, "x"), "{\\headerr\\f0\\sz24\\qj\\ltrpar\\ltrch\\ltrmark" + kHeaderText,
     "{\\headerr\\f0\\sz24\\qj\\rtlpar\\rtlch\\rtlmark" + kHeaderText, false},
    {"footer", HeaderFooter(3, 4, "x"), "{\\footerl\\f0\\sz24\\qj\\ltrpar\\ltrch\\ltrmark" + kHeaderText,
     "{\\footerl\\f0\\sz24\\qj\\rtlpar\\rtlch\\rtlmark" + kHeaderText, false},
    {"footnote", Footnote("x"), "{\\super\\chftn}{\\footnote\\f0\\sz24\\qj\\ltrpar\\ltrch\\ltrmark" + kHeaderText,
     "{\\super\\chftn}{\\footnote\\f0\\sz24\\qj\\rtlpar\\rtlch\\rtlmark" + kHeaderText, false},
    {"endnote", Endnote("x"), "{\\super\\chftn}{\\footnote\\ftnalt\\f0\\sz24\\qj\\ltrpar\\ltrch\\ltrmark" + kHeaderText,
     "{\\super\\chftn}{\\footnote\\ftnalt\\f0\\sz24\\qj\\rtlpar\\rtlch\\rtlmark" + kHeaderText, false},
    {"flush-right tab", Fixed(0xC1, {0x40}) + "a\x0A", "\\tab\\'61{\\tx0\\tqr\\tx9360\\par}\n",
     "\\tab\\'61{\\tqr\\tx0\\tx9360\\par}\n", true},
    {"centre tab", Fixed(0xC1, {0xC0}) + "a\x0A", "\\tab\\'61{\\tx0\\tqc\\tx4680\\tqr\\tx9360\\par}\n",
     "\\tab\\'61{\\tqr\\tx0\\tqc\\tx4680\\tx9360\\par}\n", true},
    {"parentheses", "([{<>}])", R"(\'28\'5B\'7B\'3C\'3E\'7D\'5D\'29{\par})" "\n",
     R"(\'29\'5D\'7D\'3C\'3E\'7B\'5B\'28{\par})" "\n", true},
};

std::string Convert(const std::string& codes, int rightToLeftDocument, int reverseOptions) {
    ConversionOptions options;
    options.rightToLeftDocument = rightToLeftDocument;
    options.reverseTabAlignment = reverseOptions;
    options.reverseParentheses = reverseOptions;
    return ConvertBody(codes, options);
}

TEST(DirectionPlaces, EachPlaceFollowsTheDirection) {
    const std::string toRight = "\\rtlsect\\rtlpar\\rtlch\\rtlmark", toLeft = "\\ltrsect\\ltrpar\\ltrch\\ltrmark";
    for (int reverseOptions : {1, 0}) {
        for (const Place& place : kPlaces) {
            SCOPED_TRACE(std::string(place.name) + (reverseOptions ? " with" : " without") + " the options");
            const std::string& rightToLeft =
                place.onlyWithOptions && reverseOptions == 0 ? place.leftToRight : place.rightToLeft;
            EXPECT_EQ(Convert(place.codes, 0, reverseOptions), place.leftToRight);
            EXPECT_EQ(Convert(place.codes, 1, reverseOptions), rightToLeft);
            // The document's own direction code overrides the option.
            EXPECT_EQ(Convert(Direction(1) + place.codes, 0, reverseOptions), toRight + rightToLeft);
            EXPECT_EQ(Convert(Direction(0) + place.codes, 1, reverseOptions), toLeft + place.leftToRight);
        }
    }
}

TEST(DirectionPlaces, DocumentFrame) {
    const std::string body = Bytes({0x81}) + "a";
    ConversionOptions options;
    EXPECT_EQ(ConvertFile(WpDocument().Body(body).Build(), options), PlainFrame("\\qr\\'61{\\par}\n"));
    options.rightToLeftDocument = 1;
    EXPECT_EQ(ConvertFile(WpDocument().Body(body).Build(), options),
              "{\\rtf1\\ansi\n\\deff1000{\\stylesheet}\\qj\\fet2\\enddoc\\aenddoc\\ftnnar\\aftnnar\\viewkind1\\facingp"
              "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440"
              "\\rtldoc\\rtlgutter\\rtlsect\\rtlpar\\ql\\'61{\\par}\n}");
}

}  // namespace
}  // namespace quorin::test
