// The script an Arabic-script character leaves selected; the documented
// examples of right-to-left text and of the character sets, byte for byte,
// are in edge_cases.cases.
#include <gtest/gtest.h>

#include "core/document_reader.h"

namespace quorin::test {
namespace {

TEST(ArabicExamples, ArabicScriptCharactersSelectTheArabicScript) {
    ConversionOptions options;
    const CancelRequest never;
    DocumentReader reader(options, never);
    RtfBuffer out;
    reader.WriteSetCharacter14(152, out);
    EXPECT_EQ(reader.script, 3);
}

}  // namespace
}  // namespace quorin::test
