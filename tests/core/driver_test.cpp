// The header checks, cancel, the sink and passwords. The byte-exact cases of
// the frame and of the walk of the prefix area are in driver.cases.
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

Outcome Convert(const std::string& file) {
    ConversionOptions options;
    RtfBuffer document(file), message("untouched");
    int result = ConvertDocument(document, message, nullptr, options);
    return {result, document, message};
}

std::string WithByte(std::string file, size_t offset, int value) {
    file[offset] = static_cast<char>(value);
    return file;
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

TEST(Driver, DocumentAreaOffsetPastTheEnd) {
    std::string file = WpDocument().Build();
    std::string past = file.substr(0, 4) + Dword(static_cast<uint32_t>(file.size() + 1)) + file.substr(8);
    Outcome o = Convert(past);
    EXPECT_EQ(o.result, 255);
    EXPECT_EQ(o.message, "Error in file!\n");
}

TEST(Driver, CancelDuringTheWalkLeavesBothBuffers) {
    ConversionOptions options;
    CancelRequest cancel;
    cancel.Request();
    std::string file = WpDocument().Body("abc").Build();
    RtfBuffer document(file), message("m");
    EXPECT_EQ(ConvertDocument(document, message, nullptr, options, cancel), 254);
    EXPECT_EQ(document, file);
    EXPECT_EQ(message, "m");
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
