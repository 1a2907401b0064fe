// What LibreOffice reads of reversed text; the byte-exact cases of reversed
// text are in reversed_text.cases.
#include <gtest/gtest.h>

#include "rtl_codes.h"
#include "support/libreoffice_read_back.h"

namespace quorin::test {
namespace {

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
