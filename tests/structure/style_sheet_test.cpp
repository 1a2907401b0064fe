// The style sheet's run lengths past a short packet's end; the byte-exact
// cases of the style sheet are in style_sheet.cases.
#include <gtest/gtest.h>

#include <string>

#include "core/style_sheet.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

TEST(StyleSheet, RunLengthsPastTheEndCountAsZero) {
    // Name "Z", kind 2, number 4, a first run of two bytes that the packet cuts.
    std::string packet = "Z";
    packet.resize(21, '\0');
    packet += '\2';
    packet.resize(77, '\0');
    packet += '\4' + Word(2) + Word(0) + Word(0) + Word(0) + Word(0) + "ab";
    for (size_t size = 78; size < 88; ++size) {
        ConversionOptions options;
        RtfBuffer piece("{\\stylesheet");
        WriteStyleEntries(RtfBuffer(packet.substr(0, size)), piece, options, kNeverCancelled);
        EXPECT_EQ(piece.substr(12), "{\\*\\s4{}{Z}}{\\*\\s260\\shidden{}}\n") << size;
    }
}

}  // namespace
}  // namespace quorin::test
