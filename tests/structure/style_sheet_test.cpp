#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "core/style_sheet.h"
#include "support/rtf_checks.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

// A style packet: name, kind at 21, number at 77, run lengths at 78, 82 and 86, runs from 88.
std::string StylePacket(const std::string& name, int kind, int number, const std::string& runA = "",
                        const std::string& runB = "", const std::string& runC = "") {
    std::string packet = name;
    packet.resize(21, '\0');
    packet += static_cast<char>(kind);
    packet.resize(77, '\0');
    packet += static_cast<char>(number);
    packet += Word(static_cast<int>(runA.size())) + Word(0) + Word(static_cast<int>(runB.size())) + Word(0) +
              Word(static_cast<int>(runC.size()));
    return packet + runA + runB + runC;
}

std::string Entries(const std::string& packet) {
    ConversionOptions options;
    RtfBuffer piece("{\\stylesheet");
    WriteStyleEntries(RtfBuffer(packet), piece, options, kNeverCancelled);
    return piece.substr(12);
}

TEST(StyleSheet, KindsAndNumbers) {
    EXPECT_EQ(Entries(StylePacket("X", 2, 5)), "{\\*\\s5{}{X}}{\\*\\s261\\shidden{}}\n");
    EXPECT_EQ(Entries(StylePacket("X", 3, 5)), "{\\*\\s5{}{X}}{\\*\\s261\\shidden{}}\n");
    EXPECT_EQ(Entries(StylePacket("Y", 0, 0)), "{\\*\\cs0{}{Y}}{\\*\\cs256\\shidden{}}\n");
    EXPECT_EQ(Entries(StylePacket("Y", 1, 0)), "{\\*\\cs0{}{Y}}{\\*\\cs256\\shidden{}}\n");
    EXPECT_EQ(Entries(StylePacket("Y", 0xFF, 0xFF)), "{\\*\\cs-1{}{Y}}{\\*\\cs255\\shidden{}}\n");
    EXPECT_EQ(Entries(StylePacket("Y", 0xFE, 1)), "{\\*\\s1{}{Y}}{\\*\\s257\\shidden{}}\n");
}

TEST(StyleSheet, OutlineLevelNames) {
    std::string name = std::string("\x7F") + "\x05" + "1" + "Outline";
    EXPECT_EQ(Entries(StylePacket(name, 0, 3)), "{\\*\\s3{}{Outline Level 1}}{\\*\\s259\\shidden{}}\n");
    // A two-byte name has no level byte and no text after the three bytes.
    EXPECT_EQ(Entries(StylePacket("\x7F\x01", 0, 3)), "{\\*\\s3{}{ Level }}{\\*\\s259\\shidden{}}\n");
    EXPECT_THROW(Entries(StylePacket("\x7F", 0, 3)), std::invalid_argument);
}

TEST(StyleSheet, NamesCannotBreakTheGroups) {
    std::string entries = Entries(StylePacket("a{b}\\", 2, 1));
    EXPECT_EQ(entries, "{\\*\\s1{}{a\\{b\\}\\\\}}{\\*\\s257\\shidden{}}\n");
    EXPECT_TRUE(BracesBalanced(entries));
}

TEST(StyleSheet, CodeRunsBecomeTheFormatting) {
    std::string boldOn = Fixed(0xC3, {12}), boldOff = Fixed(0xC4, {12}), italicOff = Fixed(0xC4, {8});
    EXPECT_EQ(Entries(StylePacket("B", 0, 7, boldOn + Fixed(0xC3, {8}), boldOff, italicOff)),
              "{\\*\\cs7{\\b\\i}{B}}{\\*\\cs263\\shidden{\\b0\\i0}}\n");
    // One reader runs both: the size set by run A is the one run B switches off.
    EXPECT_EQ(Entries(StylePacket("S", 0, 7, Fixed(0xC3, {1}), Fixed(0xC4, {0}))),
              "{\\*\\cs7{\\fs36}{S}}{\\*\\cs263\\shidden{\\fs36}}\n");
}

TEST(StyleSheet, ShortPackets) {
    EXPECT_THROW(Entries(std::string(20, 'x')), std::invalid_argument);
    EXPECT_THROW(Entries(std::string(76, '\0')), std::invalid_argument);
    // 77 to 87 bytes: the run lengths that are not there count as 0 (and at 77, the number).
    EXPECT_EQ(Entries(StylePacket("Z", 2, 4).substr(0, 77)), "{\\*\\s0{}{Z}}{\\*\\s256\\shidden{}}\n");
    for (size_t size = 78; size < 88; ++size) {
        std::string packet = StylePacket("Z", 2, 4, "ab");
        packet.resize(size);
        EXPECT_EQ(Entries(packet), "{\\*\\s4{}{Z}}{\\*\\s260\\shidden{}}\n") << size;
    }
    // Runs that reach past the end are cut there.
    std::string packet = StylePacket("Z", 2, 4, "abc", "de");
    packet.resize(89);
    EXPECT_EQ(Entries(packet), "{\\*\\s4{\\'61{\\par}\n}{Z}}{\\*\\s260\\shidden{}}\n");
}

TEST(StyleSheet, PacketsInTheirOrder) {
    std::string file = WpDocument()
                           .Packet(257, StylePacket("First", 2, 1))
                           .Packet(258, StylePacket("Second", 0, 2))
                           .Body("x")
                           .Build();
    std::string rtf = ConvertFile(file);
    EXPECT_NE(rtf.find("{\\stylesheet{\\*\\s1{}{First}}{\\*\\s257\\shidden{}}\n"
                       "{\\*\\cs2{}{Second}}{\\*\\cs258\\shidden{}}\n}"),
              std::string::npos) << rtf;
}

}  // namespace
}  // namespace quorin::test
