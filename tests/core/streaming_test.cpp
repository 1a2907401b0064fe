// The conversion writing to a sink as it goes: every place a sink may hand
// bytes on gives the same text, and the initial codes read on into the
// document area as one stream.
#include <gtest/gtest.h>

#include "core/convert_document.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

// A sink with a block of a few bytes, which hands on to a string: every
// append and reserve crosses its edge somewhere.
class TinyBlockSink final : public RtfSink {
public:
    TinyBlockSink() : block_(7) { SetBlock(block_.data(), 0, block_.size()); }
    std::string Text() { return handedOn_ + std::string(data(), size()); }

protected:
    void MakeRoom(size_t count) override {
        handedOn_.append(data(), size());
        NoteHandedOn(size());
        if (count > block_.size()) block_.resize(count);
        SetBlock(block_.data(), 0, block_.size());
    }

private:
    std::vector<char> block_;
    std::string handedOn_;
};

TEST(Streaming, SinkWithTinyBlockGetsTheTextOfTheCollectingSink) {
    for (const char* name : {"report-1996.wp", "report-1980.wp", "sample-50.wp", "sample-51.wp"}) {
        const std::string file = ReadTestData(name);
        ConversionOptions options;
        RtfBuffer message;
        TinyBlockSink tiny;
        ASSERT_EQ(ConvertDocument(file, tiny, message, nullptr, options), kConverted) << name;
        EXPECT_TRUE(tiny.Text() == ConvertFile(file)) << name;
    }
}

TEST(Streaming, CollectingSinkGoesOnAfterItsTextIsRead) {
    StringSink sink;
    sink.Append("ab");
    EXPECT_EQ(sink.Text(), "ab");
    sink.Append('c');  // within the room the string had
    EXPECT_EQ(sink.Text(), "abc");
    sink.Append(std::string(100, 'c'));
    EXPECT_EQ(sink.TakeText().size(), 103u);
    sink.Append('d');
    EXPECT_EQ(sink.Text(), "d");
}

// Wherever the initial codes end, even inside a code, the document converts
// as if all its codes stood in the document area.
TEST(Streaming, InitialCodesCutAnywhereReadOnIntoTheDocumentArea) {
    const std::string codes = "Ab" + Fixed(0xC3, {12}) + "cd" + Extended(1, 23) + Variable(0xD4, 0, "wxyz") +
                              Fixed(0xC1, {0x40}) + "e\x0A" + Fixed(0xC4, {12}) + "f";
    const std::string whole = ConvertFile(WpDocument().Body(codes).Build());
    for (size_t cut = 1; cut < codes.size(); ++cut) {
        const std::string split =
            WpDocument().Packet(3, codes.substr(0, cut)).Body(codes.substr(cut)).Build();
        EXPECT_EQ(ConvertFile(split), whole) << "cut after " << cut << " bytes";
    }
}

}  // namespace
}  // namespace quorin::test
