// Escapes and the creation time of the document summary; its byte-exact
// cases are in document_information.cases.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "core/document_information.h"
#include "support/rtf_checks.h"
#include "support/wp_builder.h"

namespace quorin {
namespace {

using test::Bytes;

// The three fixed-width fields of a summary, each padded with zero bytes.
std::string FixedFields(const std::string& name, const std::string& type) {
    std::string date(26, '\0');
    std::string paddedName = name, paddedType = type;
    paddedName.resize(68, '\0');
    paddedType.resize(21, '\0');
    return date + paddedName + paddedType;
}

std::string Information(const std::string& packet) {
    RtfBuffer piece("earlier text");
    WriteDocumentInformation(RtfBuffer(packet), piece);
    return piece;
}

TEST(DocumentInformation, BracesAndBackslashesAreEscaped) {
    std::string packet = FixedFields("a\\b", "{}") + "{x}\\" + '\0' + Bytes({0xE9});
    std::string rtf = Information(packet);
    EXPECT_NE(rtf.find("{\\*\\title a\\\\b.\\{\\}}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("{\\*\\subject \\{x\\}\\\\}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("{\\*\\author \xE9}"), std::string::npos) << rtf;  // high bytes as they are
    EXPECT_TRUE(test::BracesBalanced(rtf));
}

TEST(DocumentInformation, CreationTimeNeedsFiveBytes) {
    std::string texts = FixedFields("N", "T") + std::string(6, '\0') + 'x';
    // Five bytes: the minute reads as 0.
    EXPECT_NE(Information(texts + Bytes({0xC6, 0x07, 1, 2, 3})).find("\\yr1990\\mo1\\dy2\\hr3\\min0}}"),
              std::string::npos);
    for (int left = 1; left <= 4; ++left) {
        EXPECT_THROW(Information(texts + std::string(left, '\1')), std::invalid_argument) << left;
    }
    // Only the skipped byte: no time at all.
    EXPECT_NE(Information(texts).find("\\yr0\\mo0\\dy0\\hr0\\min0}}"), std::string::npos);
}

}  // namespace
}  // namespace quorin
