// The real WordPerfect documents of tests/data convert, and their words survive.
#include <gtest/gtest.h>

#include "core/convert_document.h"
#include "support/rtf_checks.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

struct CorpusFile {
    const char* name;
    std::vector<std::string> words;
};

const CorpusFile kCorpus[] = {
    {"report-1996.wp", {"President", "phone call to Lucid"}},
    {"report-1980.wp", {"REPORT TITLE", "Western Gulf of Alaska Petroleum Development Scenarios"}},
    {"sample-50.wp", {"Sluwe Sjaantje sloeg de slome slager"}},
    {"sample-51.wp", {"Sluwe Sjaantje sloeg de slome slager"}},
};

TEST(Corpus, RealDocumentsConvertWithTheirText) {
    for (const CorpusFile& file : kCorpus) {
        int result = -1;
        ConversionOptions options;
        std::string rtf = ConvertFile(ReadTestData(file.name), options, &result);
        ASSERT_EQ(result, 0) << file.name;
        EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\n", 0), 0u) << file.name;
        EXPECT_TRUE(BracesBalanced(rtf)) << file.name;
        std::string text = HexEscapedText(rtf);
        for (const std::string& word : file.words) EXPECT_NE(text.find(word), std::string::npos) << file.name << ": " << word;
    }
}

}  // namespace
}  // namespace quorin::test
