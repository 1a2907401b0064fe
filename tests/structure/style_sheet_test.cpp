#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "core/style_sheet.h"
#include "support/rtf_checks.h"
#include "support/structure_codes.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

std::string Entries(const std::string& packet) {
    ConversionOptions options;
    RtfBuffer piece("{\\stylesheet");
    WriteStyleEntries(RtfBuffer(packet), piece, options);
    return piece.substr(12);
}

TEST(StyleSheet, KindsAndNumbers) {
    EXPECT_EQ(Entries(StylePacket("X", 2, 5)), "{\\s5 X;}{\\s261\\shidden X (end);}\n");
    EXPECT_EQ(Entries(StylePacket("X", 3, 5)), "{\\s5 X;}{\\s261\\shidden X (end);}\n");
    EXPECT_EQ(Entries(StylePacket("Y", 0, 0)), "{\\*\\cs0\\additive Y;}{\\*\\cs256\\additive\\shidden Y (end);}\n");
    EXPECT_EQ(Entries(StylePacket("Y", 1, 0)), "{\\*\\cs0\\additive Y;}{\\*\\cs256\\additive\\shidden Y (end);}\n");
    EXPECT_EQ(Entries(StylePacket("Y", 0xFF, 0xFF)),
              "{\\*\\cs-1\\additive Y;}{\\*\\cs255\\additive\\shidden Y (end);}\n");
    EXPECT_EQ(Entries(StylePacket("Y", 0xFE, 1)), "{\\s1 Y;}{\\s257\\shidden Y (end);}\n");
}

TEST(StyleSheet, OutlineLevelNames) {
    std::string name = std::string("\x7F") + "\x05" + "1" + "Outline";
    EXPECT_EQ(Entries(StylePacket(name, 0, 3)), "{\\s3 Outline Level 1;}{\\s259\\shidden Outline Level 1 (end);}\n");
    // A two-byte name has no level byte and no text after the three bytes.
    EXPECT_EQ(Entries(StylePacket("\x7F\x01", 0, 3)), "{\\s3  Level ;}{\\s259\\shidden  Level  (end);}\n");
    EXPECT_THROW(Entries(StylePacket("\x7F", 0, 3)), std::invalid_argument);
}

// A name ends at its ";": the name's own ";", braces, backslashes and
// bytes beyond ASCII are escaped, control bytes dropped.
TEST(StyleSheet, NamesEndAtTheirSemicolon) {
    std::string entries = Entries(StylePacket("a{b}\\;\x01\xE9", 2, 1));
    EXPECT_EQ(entries, "{\\s1 a\\'7bb\\'7d\\'5c\\'3b\\'e9;}{\\s257\\shidden a\\'7bb\\'7d\\'5c\\'3b\\'e9 (end);}\n");
    EXPECT_TRUE(BracesBalanced(entries));
}

TEST(StyleSheet, CodeRunsBecomeTheFormatting) {
    std::string boldOn = Fixed(0xC3, {12}), boldOff = Fixed(0xC4, {12}), italicOff = Fixed(0xC4, {8});
    EXPECT_EQ(Entries(StylePacket("B", 0, 7, boldOn + Fixed(0xC3, {8}), boldOff, italicOff)),
              "{\\*\\cs7\\additive\\b\\i B;}{\\*\\cs263\\additive\\shidden\\b0\\i0 B (end);}\n");
    // One reader runs both: the size set by run A is the one run B switches off.
    EXPECT_EQ(Entries(StylePacket("S", 0, 7, Fixed(0xC3, {1}), Fixed(0xC4, {0}))),
              "{\\*\\cs7\\additive\\fs36 S;}{\\*\\cs263\\additive\\shidden\\fs36 S (end);}\n");
}

// What a style's codes write besides formatting (its text, paragraph ends,
// tabs, a header, a page number, extended characters) stays out of the
// entries: a reader would show it.
TEST(StyleSheet, NothingAReaderShowsIsInAnEntry) {
    const std::string runA = "Chapter" + Fixed(0xC3, {12}) + "\x0A" + Fixed(0xC1, {0, 0, 0, 0, 0, 0, 0}) + "\x02" +
                             Extended(1, 41) + HeaderFooter(0, 1, "head") + "\x0A";
    const std::string runB = Fixed(0xC4, {12}) + "end" + "\x0C";
    std::string entries = Entries(StylePacket("Pecha", 2, 9, runA, runB));
    EXPECT_EQ(entries, "{\\s9\\b\\lang1033\\f0\\fs24 Pecha;}{\\s265\\shidden\\b0 Pecha (end);}\n");
}

TEST(StyleSheet, ShortPackets) {
    EXPECT_THROW(Entries(std::string(20, 'x')), std::invalid_argument);
    EXPECT_THROW(Entries(std::string(76, '\0')), std::invalid_argument);
    // 77 to 87 bytes: the run lengths that are not there count as 0 (and at 77, the number).
    EXPECT_EQ(Entries(StylePacket("Z", 2, 4).substr(0, 77)), "{\\s0 Z;}{\\s256\\shidden Z (end);}\n");
    for (size_t size = 78; size < 88; ++size) {
        std::string packet = StylePacket("Z", 2, 4, Fixed(0xC3, {12}));
        packet.resize(size);
        EXPECT_EQ(Entries(packet), "{\\s4 Z;}{\\s260\\shidden Z (end);}\n") << size;
    }
    // Runs that reach past the end are cut there.
    std::string packet = StylePacket("Z", 2, 4, Fixed(0xC3, {12}) + Fixed(0xC3, {8}), "de");
    packet.resize(91);
    EXPECT_EQ(Entries(packet), "{\\s4\\b Z;}{\\s260\\shidden Z (end);}\n");
}

TEST(StyleSheet, PacketsInTheirOrder) {
    std::string file = WpDocument()
                           .Packet(257, StylePacket("First", 2, 1))
                           .Packet(258, StylePacket("Second", 0, 2))
                           .Body("x")
                           .Build();
    std::string rtf = ConvertFile(file);
    EXPECT_NE(rtf.find("{\\stylesheet{\\s1 First;}{\\s257\\shidden First (end);}\n"
                       "{\\*\\cs2\\additive Second;}{\\*\\cs258\\additive\\shidden Second (end);}\n}"),
              std::string::npos) << rtf;
}

}  // namespace
}  // namespace quorin::test
