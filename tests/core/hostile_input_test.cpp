// Damaged documents: every conversion ends with a result or a caught failure,
// with output bounded by the input's size.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "core/convert_document.h"
#include "support/rtf_checks.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

const char* const kCorpus[] = {"report-1996.wp", "report-1980.wp", "sample-50.wp", "sample-51.wp"};

// Converts `file` and checks what any input must satisfy.
void ExpectBoundedConversion(const std::string& file, const std::string& what) {
    ConversionOptions options;
    RtfBuffer document(file), message;
    int result;
    try {
        result = ConvertDocument(document, message, nullptr, options);
    } catch (const std::invalid_argument&) {
        return;  // a code too short for its fields: the batch reports the file
    }
    ASSERT_TRUE(result == kConverted || result == kNotConverted || result == kProtected) << what;
    if (result != 0) return;
    ASSERT_LE(document.size(), 64 * file.size() + 65536) << what;
    ASSERT_TRUE(BracesBalanced(document)) << what;
}

TEST(HostileInput, EveryTruncationOfTheRealDocuments) {
    for (const char* name : kCorpus) {
        const std::string file = ReadTestData(name);
        for (size_t length = 0; length <= file.size(); ++length)
            ExpectBoundedConversion(file.substr(0, length), std::string(name) + " cut at " + std::to_string(length));
    }
}

TEST(HostileInput, FlippedBytesInTheRealDocuments) {
    std::mt19937 random(20261208);
    for (const char* name : kCorpus) {
        const std::string original = ReadTestData(name);
        for (int variant = 0; variant < 300; ++variant) {
            std::string file = original;
            const int flips = 1 + static_cast<int>(random() % 16);
            for (int i = 0; i < flips; ++i) {
                // Leave the header intact half of the time so the body is reached.
                const size_t from = variant % 2 ? 16 : 0;
                file[from + random() % (file.size() - from)] = static_cast<char>(random());
            }
            ExpectBoundedConversion(file, std::string(name) + " variant " + std::to_string(variant));
        }
    }
}

TEST(HostileInput, RandomCodeStreams) {
    std::mt19937 random(7);
    for (int variant = 0; variant < 2000; ++variant) {
        std::string body(1 + random() % 512, '\0');
        for (char& c : body) c = static_cast<char>(random() % 4 == 0 ? 0xC0 + random() % 64 : random());
        ExpectBoundedConversion(WpDocument().Body(body).Build(), "random body " + std::to_string(variant));
    }
}

}  // namespace
}  // namespace quorin::test
