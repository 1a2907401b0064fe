// Reversed text holding groups within groups, characters written as several
// escapes, and what follows the reversed text.
#include <gtest/gtest.h>

#include "rtl_codes.h"
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
    // The pointed letter inside the note still keeps only its fallback bytes.
    EXPECT_EQ(ConvertBody(Reversed(Footnote(Extended(9, 83)))),
              R"({\footnote\f0\sz24\qj\ltrpar\ltrch\ltrmark\lang1037\ansicpg1255\f1000\fs24{\'e0\'cc}\'20})"
              R"({\super\chftn})");
}

}  // namespace
}  // namespace quorin::test
