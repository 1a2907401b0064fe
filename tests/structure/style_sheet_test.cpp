// The style sheet's run lengths past a short packet's end; the byte-exact
// cases of the style sheet are in style_sheet.cases.
#include <gtest/gtest.h>

#include <string>

#include "core/style_sheet.h"
#include "support/structure_codes.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

TEST(StyleSheet, RunLengthsPastTheEndCountAsZero) {
    // A first run (bold) that the packet cuts: none of it is read.
    const std::string packet = StylePacket("Z", 2, 4, Fixed(0xC3, {12}));
    for (size_t size = 78; size < 88; ++size) {
        ConversionOptions options;
        RtfBuffer piece("{\\stylesheet");
        WriteStyleEntries(RtfBuffer(packet.substr(0, size)), piece, options, kNeverCancelled);
        EXPECT_EQ(piece.substr(12), "{\\s4 Z;}{\\s260\\shidden Z (end);}\n") << size;
    }
}

}  // namespace
}  // namespace quorin::test
