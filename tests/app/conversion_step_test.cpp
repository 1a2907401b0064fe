// One document's step of the batch: the direction it decides and the
// protected documents it opens once.
#include <gtest/gtest.h>

#include "app/conversion_step.h"
#include "core/convert_document.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

// A protected document's own letters decide its direction, and it converts
// exactly as the plain document does in that direction.
TEST(ConversionStep, AProtectedDocumentIsDecidedAndConvertedFromItsPlainText) {
    const std::string alef = Extended(9, 0);
    struct Case {
        std::string body;
        bool rightToLeft;
    };
    for (const Case& c : {Case{alef + alef + alef + "a\n", true}, Case{"Dear " + alef + "\n", false}}) {
        const std::string plain = WpDocument().Body(c.body).Build();
        ConversionOptions forced;
        forced.rightToLeftDocument = c.rightToLeft;
        const std::string expected = ConvertFile(plain, forced);
        for (const std::string& document : {plain, EncryptDocument(plain, "Sesame")}) {
            SCOPED_TRACE(std::string(c.rightToLeft ? "right to left" : "left to right") +
                         (document == plain ? ", plain" : ", protected"));
            ConversionOptions options;
            options.decideDirection = 1;
            options.password = "sesame";  // not case-sensitive
            const CancelRequest cancel;
            StringSink rtf;
            RtfBuffer message;
            ConversionStep step = ConvertStep(document, rtf, message, nullptr, options, cancel, nullptr);
            ASSERT_EQ(step.failure, StepFailure::kNone);
            EXPECT_EQ(step.result, 0) << message;
            EXPECT_EQ(step.rightToLeft, c.rightToLeft);
            EXPECT_EQ(rtf.Text(), expected);
        }
    }
}

TEST(ConversionStep, AWrongOrMissingPasswordIsRefusedAsProtected) {
    const std::string locked = EncryptDocument(WpDocument().Body("Secret\n").Build(), "Sesame");
    for (const char* password : {"Other", ""}) {
        ConversionOptions options;
        options.decideDirection = 1;
        options.password = password;
        const CancelRequest cancel;
        StringSink rtf;
        RtfBuffer message;
        ConversionStep step = ConvertStep(locked, rtf, message, nullptr, options, cancel, nullptr);
        EXPECT_EQ(step.result, kProtected) << password;
        EXPECT_EQ(message, "Document is protected by a password!\n");
    }
}

}  // namespace
}  // namespace quorin::test
