// Reversed text nested deeply; the byte-exact cases of direction codes and
// reversed text are in direction.cases.
#include <gtest/gtest.h>

#include "core/document_reader.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

// Reversed text: subfunction 2, two bytes of its own, then the text and its zero byte.
std::string Reversed(std::string_view text) {
    return Variable(0xD8, 2, std::string(2, '\0') + std::string(text) + '\0');
}

TEST(Direction, ReversedTextWithinReversedTextIsBounded) {
    std::string code = "a";
    for (int level = 0; level < 40; ++level) code = Reversed(code);
    std::string out = ConvertBody(code);
    EXPECT_LT(out.size(), 200u);
}

}  // namespace
}  // namespace quorin::test
