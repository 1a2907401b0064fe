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

constexpr const char* kEmptyGroups =
    "{\\*\\subject }{\\*\\author }{\\*\\operator }{\\*\\doccomm }{\\*\\category }{\\*\\keywords }";

TEST(DocumentInformation, EmptyPacketGivesEveryGroupEmpty) {
    EXPECT_EQ(Information(""), std::string("{\\info{\\*\\title .}") + kEmptyGroups +
                                   "{\\*\\creatim\\yr0\\mo0\\dy0\\hr0\\min0}}");
}

TEST(DocumentInformation, FixedFieldsOnly) {
    EXPECT_EQ(Information(FixedFields("Report", "Memo")),
              std::string("{\\info{\\*\\title Report.Memo}") + kEmptyGroups +
                  "{\\*\\creatim\\yr0\\mo0\\dy0\\hr0\\min0}}");
}

TEST(DocumentInformation, FullSummary) {
    std::string packet = FixedFields("Name", "Type") + "Subject" + '\0' + "Author" + '\0' + "Typist" + '\0' +
                         "Comment" + '\0' + "Account" + '\0' + "Keys" + '\0' + 'x' +
                         Bytes({0xC6, 0x07, 12, 31, 23, 59});
    EXPECT_EQ(Information(packet),
              "{\\info{\\*\\title Name.Type}{\\*\\subject Subject}{\\*\\author Author}{\\*\\operator Typist}"
              "{\\*\\doccomm Comment}{\\*\\category Account}{\\*\\keywords Keys}"
              "{\\*\\creatim\\yr1990\\mo12\\dy31\\hr23\\min59}}");
}

TEST(DocumentInformation, PaddingAndTextAfterZeroAreDropped) {
    std::string name = "Padded";
    name.resize(68, ' ');
    std::string type = std::string("T") + '\0' + "junk";
    EXPECT_EQ(Information(FixedFields(name, type)).substr(0, 28), "{\\info{\\*\\title Padded.T}{\\*");
}

TEST(DocumentInformation, BracesAndBackslashesAreEscaped) {
    std::string packet = FixedFields("a\\b", "{}") + "{x}\\" + '\0' + Bytes({0xE9});
    std::string rtf = Information(packet);
    EXPECT_NE(rtf.find("{\\*\\title a\\\\b.\\{\\}}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("{\\*\\subject \\{x\\}\\\\}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("{\\*\\author \xE9}"), std::string::npos) << rtf;  // high bytes as they are
    EXPECT_TRUE(test::BracesBalanced(rtf));
}

TEST(DocumentInformation, ShortFixedFieldAndUnterminatedText) {
    // A packet that ends inside the name, and one whose last text has no zero byte.
    std::string cut = std::string(26, '\0') + "Nam";
    EXPECT_EQ(Information(cut).substr(0, 25), "{\\info{\\*\\title Nam.}{\\*\\");
    std::string open = FixedFields("N", "T") + "Sub" + '\0' + "Auth";
    EXPECT_EQ(Information(open), std::string("{\\info{\\*\\title N.T}{\\*\\subject Sub}{\\*\\author Auth}") +
                                     "{\\*\\operator }{\\*\\doccomm }{\\*\\category }{\\*\\keywords }"
                                     "{\\*\\creatim\\yr0\\mo0\\dy0\\hr0\\min0}}");
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
