// Plain characters: what the reader's state keeps of them. The byte-exact
// cases of characters and sets are in characters.cases.
#include <gtest/gtest.h>

#include "core/document_reader.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

TEST(Characters, BytesOutsideTheTextRangeWriteNothingButMarkText) {
    ConversionOptions options;
    DocumentReader reader(options, kNeverCancelled);
    RtfBuffer out;
    reader.WritePlainCharacter(0x80, out);
    EXPECT_EQ(out, "");
    EXPECT_TRUE(reader.paragraphOpen);
    EXPECT_TRUE(reader.sectionHasText);
    DocumentReader other(options, kNeverCancelled);
    other.WritePlainCharacter(0x1F, out);
    EXPECT_EQ(out, "");
}

TEST(Characters, ExtendedCharacterThroughTheCodeTable) {
    ConversionOptions options;
    DocumentReader reader(options, kNeverCancelled);
    RtfBuffer out("stale");
    reader.OnExtendedCharacter(RtfBuffer(Extended(0, 'A')), out);
    EXPECT_EQ(out, "\\'41");
    RtfBuffer shortCode("kept");
    reader.OnExtendedCharacter(RtfBuffer(Extended(0, 'A').substr(0, 3)), shortCode);
    EXPECT_EQ(shortCode, "kept");
}

}  // namespace
}  // namespace quorin::test
