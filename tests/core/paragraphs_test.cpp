// Paragraph ends in field text; the byte-exact cases of paragraphs are in paragraphs.cases.
#include <gtest/gtest.h>

#include "core/document_reader.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

TEST(Paragraphs, FieldTextEndsParagraphsWithASpace) {
    ConversionOptions options;
    DocumentReader reader(options, kNeverCancelled);
    reader.AdjustFieldDepth(1);
    reader.pendingFormat = "\\lin720";
    RtfBuffer out;
    reader.EndParagraph(out);
    EXPECT_EQ(out, "\\'20");
    EXPECT_TRUE(reader.pendingFormat.empty());
}

}  // namespace
}  // namespace quorin::test
