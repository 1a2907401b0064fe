// The document frame, the header checks and the walk of the prefix area.
#include <gtest/gtest.h>

#include "core/convert_document.h"
#include "core/document_password.h"

#include <vector>
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

const std::string kNotWordPerfect = "Document is not a WordPerfect 5.X Document!\n";

struct Outcome {
    int result;
    std::string document;
    std::string message;
};

Outcome Convert(const std::string& file, int rightToLeft = 0) {
    ConversionOptions options;
    options.rightToLeftDocument = rightToLeft;
    RtfBuffer document(file), message("untouched");
    int result = ConvertDocument(document, message, nullptr, options);
    return {result, document, message};
}

std::string WithByte(std::string file, size_t offset, int value) {
    file[offset] = static_cast<char>(value);
    return file;
}

TEST(Driver, FrameOfADocumentWithoutPackets) {
    Outcome o = Convert(WpDocument().Body("Hi").Build());
    EXPECT_EQ(o.result, 0);
    EXPECT_EQ(o.document, PlainFrame("\\'48\\'69{\\par}\n"));
    EXPECT_EQ(o.message, "untouched");
}

TEST(Driver, RightToLeftFrame) {
    Outcome o = Convert(WpDocument().Build(), 1);
    EXPECT_EQ(o.document,
              "{\\rtf1\\ansi\n\\deff1000{\\stylesheet}\\qj\\fet2\\enddoc\\aenddoc\\ftnnar\\aftnnar\\viewkind1\\facingp"
              "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440"
              "\\rtldoc\\rtlgutter\\rtlsect\\rtlpar}");
}

TEST(Driver, HeaderChecksRefuseWithTheirMessages) {
    const std::string good = WpDocument().Body("x").Build();
    struct Case {
        std::string file;
        std::string message;
    } cases[] = {
        {WithByte(good, 0, 0xFE), kNotWordPerfect},
        {WithByte(good, 3, 'D'), kNotWordPerfect},
        {WithByte(good, 8, 2), kNotWordPerfect},                 // product type
        {WithByte(good, 10, 1), kNotWordPerfect},                // major version
        {WithByte(good, 11, 2), kNotWordPerfect},                // minor version
        {WithByte(good, 9, 11), "Document is not a standard WordPerfect 5.X Document!\n"},
        {good.substr(0, 15), kNotWordPerfect},                   // shorter than a header
        {"", kNotWordPerfect},
    };
    for (const Case& c : cases) {
        Outcome o = Convert(c.file);
        EXPECT_EQ(o.result, 255);
        EXPECT_EQ(o.message, c.message);
        EXPECT_EQ(o.document, c.file) << "the document is left as given";
    }
    EXPECT_EQ(Convert(WithByte(good, 11, 0)).result, 0);
}

TEST(Driver, DocumentAreaOffsetAtAndPastTheEnd) {
    std::string file = WpDocument().Build();
    EXPECT_EQ(Convert(file).document, PlainFrame(""));
    std::string past = file.substr(0, 4) + Dword(static_cast<uint32_t>(file.size() + 1)) + file.substr(8);
    Outcome o = Convert(past);
    EXPECT_EQ(o.result, 255);
    EXPECT_EQ(o.message, "Error in file!\n");
}

TEST(Driver, ExactlySixteenBytesGiveAnEmptyDocument) {
    std::string header = Bytes({0xFF, 'W', 'P', 'C'}) + Dword(16) + Bytes({1, 10, 0, 0}) + Word(0) + Word(0);
    Outcome o = Convert(header);
    EXPECT_EQ(o.result, 0);
    EXPECT_EQ(o.document, PlainFrame(""));
}

// A hand-made prefix: header, then blocks placed where the test says.
std::string Header(uint32_t documentArea) {
    return Bytes({0xFF, 'W', 'P', 'C'}) + Dword(documentArea) + Bytes({1, 10, 0, 1}) + Word(0) + Word(0);
}
std::string Block(int type, int count, uint32_t next, const std::string& entries = "") {
    std::string b = Word(type) + Word(count) + Word(0) + Dword(next) + entries;
    b.resize(50, '\0');
    return b;
}
std::string Entry(int type, uint32_t length, uint32_t offset) { return Word(type) + Dword(length) + Dword(offset); }

TEST(Driver, WalkPassesOverForeignBlocksAndFollowsTheChain) {
    // Block at 16 is of an unknown type (its entries are not read), block at 66
    // has one entry count (no packets), block at 116 carries the initial codes.
    const uint32_t data = 166, area = 170;
    std::string file = Header(area) + Block(0x1234, 2, 66, Entry(3, 2, data)) + Block(0xFFFB, 1, 116, Entry(3, 2, data)) +
                       Block(0xFFFB, 2, 0, Entry(3, 4, data)) + "ABCD" + "E";
    EXPECT_EQ(Convert(file).document, PlainFrame("\\'41\\'42\\'43\\'44\\'45{\\par}\n"));
}

TEST(Driver, TypeZeroEntryEndsOnlyItsBlock) {
    const uint32_t area = 16 + 100 + 2;
    std::string file = Header(area) + Block(0xFFFB, 3, 66, Entry(0, 0, 0) + Entry(3, 1, 116)) +
                       Block(0xFFFB, 2, 0, Entry(3, 2, 116)) + "XY" + "Z";
    EXPECT_EQ(Convert(file).document, PlainFrame("\\'58\\'59\\'5A{\\par}\n"));
}

TEST(Driver, HostilePrefixesEndTheWalk) {
    // A chain that loops back to itself, an entry count above five, and a block
    // that runs past the end of the file all convert without reading past it.
    std::string looping = Header(66) + Block(0xFFFB, 2, 16, Entry(3, 1, 0));
    EXPECT_EQ(Convert(looping + "a").result, 0);
    std::string many = Header(66) + Block(0xFFFB, 60000, 0, Entry(3, 1, 66));
    EXPECT_EQ(Convert(many + "b").document, PlainFrame("\\'62\\'62{\\par}\n"));
    std::string cut = Header(20) + Bytes({0xFB, 0xFF, 5, 0});
    EXPECT_EQ(Convert(cut).result, 0);
    // A packet whose range runs past the end is shortened to it.
    std::string longPacket = Header(66) + Block(0xFFFB, 2, 0, Entry(3, 1000, 66)) + "c";
    EXPECT_EQ(Convert(longPacket).document, PlainFrame("\\'63\\'63{\\par}\n"));
}

TEST(Driver, CancelDuringTheWalkLeavesBothBuffers) {
    ConversionOptions options;
    options.cancelRequest = 1;
    std::string file = WpDocument().Body("abc").Build();
    RtfBuffer document(file), message("m");
    EXPECT_EQ(ConvertDocument(document, message, nullptr, options), 254);
    EXPECT_EQ(document, file);
    EXPECT_EQ(message, "m");
}

TEST(Driver, InitialCodesComeBeforeTheDocumentArea) {
    std::string file = WpDocument().Packet(3, Fixed(0xC3, {12})).Body("b").Build();
    EXPECT_EQ(Convert(file).document, PlainFrame("\\b\\'62{\\par}\n"));
}

// The sink receives exactly the text of the in-memory conversion, also
// through a block smaller than the document; a refusal writes nothing.
TEST(Driver, SinkReceivesTheSameText) {
    struct SmallBlocks : RtfSink {
        std::string handedOn;
        std::vector<char> block = std::vector<char>(100);
        SmallBlocks() { SetBlock(block.data(), 0, block.size()); }
        void MakeRoom(size_t count) override {
            handedOn.append(data(), size());
            NoteHandedOn(size());
            if (count > block.size()) block.resize(count);
            SetBlock(block.data(), 0, block.size());
        }
        std::string Whole() const { return handedOn + std::string(data(), size()); }
    };
    std::string file = WpDocument().Body(std::string(5000, 'x') + "\n" + std::string(3000, 'y')).Build();
    ConversionOptions options;
    RtfBuffer message;
    SmallBlocks blocks;
    StringSink collected, refused;
    ASSERT_EQ(ConvertDocument(std::string_view(file), blocks, message, nullptr, options), kConverted);
    ASSERT_EQ(ConvertDocument(std::string_view(file), collected, message, nullptr, options), kConverted);
    EXPECT_EQ(blocks.Whole(), Convert(file).document);
    EXPECT_EQ(blocks.Total(), blocks.Whole().size());
    EXPECT_EQ(collected.Text(), Convert(file).document);
    EXPECT_EQ(ConvertDocument(std::string_view("short"), refused, message, nullptr, options), kNotConverted);
    EXPECT_EQ(refused.Total(), 0u);
}

// The stream, byte by byte: password letter (in capitals), XOR a counter from
// the password's length plus 1; the header itself is left plain.
TEST(Password, StreamAndCheckValue) {
    RtfBuffer bytes(std::string(16, 'h') + std::string(300, '\0'));
    ApplyPasswordStream(bytes, "bone");
    EXPECT_EQ(bytes.substr(0, 16), std::string(16, 'h'));
    const std::string key = "BONE";
    for (size_t i = 16; i < bytes.size(); ++i)
        ASSERT_EQ(bytes.ByteOr0(i), uint8_t(key[(i - 16) % 4] ^ uint8_t(5 + i - 16))) << i;  // the counter wraps
    EXPECT_EQ(PasswordCheck("A"), 0x4100);  // one letter: its code in the high byte
    EXPECT_EQ(PasswordCheck("ab"), PasswordCheck("AB"));
    EXPECT_EQ(PasswordCheck("AB"), 0x6280);  // 0x4100 turned right (0x2080), then 0x4200 entered
    EXPECT_NE(PasswordCheck("ab"), PasswordCheck("ba"));
}

TEST(Password, ProtectedDocumentsNeedTheirPassword) {
    const std::string plain = WpDocument().Packet(1, std::string(40, 's')).Body("Secret text").Build();
    std::string locked = EncryptDocument(plain, "Sesame");
    ConversionOptions options;
    auto convert = [&](const std::string& password) {
        options.password = password;
        RtfBuffer document(locked), message;
        int result = ConvertDocument(document, message, nullptr, options);
        return std::make_pair(result, result == kConverted ? std::string(document) : std::string(message));
    };
    // Without a password, and with a wrong one, which the message tells apart.
    EXPECT_EQ(convert(""), std::make_pair(int(kProtected), std::string("Document is protected by a password!\n")));
    for (const char* wrong : {"sesam", "Sesame!"}) {
        EXPECT_EQ(convert(wrong), std::make_pair(int(kProtected), std::string("Document is protected by a password: "
                                                                              "the password given is wrong!\n")))
            << wrong;
    }
    EXPECT_EQ(convert("SESAME"), std::make_pair(int(kConverted), ConvertFile(plain)));
    // Should the check value follow another rule, the right password still
    // opens a document whose prefix area it reveals; a wrong one does not.
    std::string otherCheck = locked;
    otherCheck[12] = char(otherCheck[12] ^ 0x5A);
    locked.swap(otherCheck);
    EXPECT_EQ(convert("Sesame").first, kConverted);
    EXPECT_EQ(convert("Sesamf").first, kProtected);
    locked.swap(otherCheck);
    // A plain document ignores a password given for others.
    options.password = "Sesame";
    EXPECT_EQ(ConvertFile(plain, options), ConvertFile(plain));
}

}  // namespace
}  // namespace quorin::test
