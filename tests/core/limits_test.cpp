// Limits that keep hostile documents from taking unbounded time or memory.
#include <gtest/gtest.h>

#include <stdexcept>

#include "core/convert_document.h"
#include "core/document_reader.h"
#include "core/font_table.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

TEST(Limits, OutputBudgetIsSharedByNestedRuns) {
    ConversionOptions options;
    OutputBudget budget{1000};
    DocumentReader reader(options, kNeverCancelled);
    reader.outputBudget = &budget;
    // Each note number writes 18 bytes for one byte of input.
    RtfBuffer stream(std::string(40, '\x8D')), out;
    reader.Run(stream, out, nullptr, false);
    EXPECT_EQ(budget.used, 720u);
    RtfBuffer nested;
    EXPECT_THROW(reader.RunNested(std::string(40, '\x8D'), nested), std::length_error);
}

TEST(Limits, EveryConversionIsCappedRelativeToItsInput) {
    EXPECT_EQ(OutputBudget::For(1000), 100000u + (16u << 20));
    // A document of note numbers stays well inside its budget.
    int result = -1;
    ConversionOptions options;
    std::string rtf = ConvertFile(WpDocument().Body(std::string(100000, '\x8D')).Build(), options, &result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(rtf.size(), PlainFrame("").size() + 1800000u);
}

struct CountingResolver : FontResolver {
    int lookups = 0;
    FontSubstitutes LookupSubstitutes(const std::string& name) override {
        ++lookups;
        return {name, "", ""};
    }
};

TEST(Limits, FontTableAsksOnceANameAndCutsEndlessNames) {
    RtfBuffer list(std::string(1200 * 86, '\0')), pool(std::string(70000, 'x')), piece;
    ConversionOptions options;
    CountingResolver resolver;
    WriteFontTable(list, pool, piece, kNeverCancelled, &resolver);
    EXPECT_EQ(resolver.lookups, 1);
    const std::string line = "{\\f0\\froman\\fcharset0\\cpg1252 " + std::string(255, 'x') + ";}\n";
    EXPECT_EQ(piece.substr(9, line.size()), line);
    // Only the records that can be numbered without clashing with the Hebrew
    // and Arabic faces (1000 + i, 2000 + i) are written.
    EXPECT_NE(piece.find("{\\f999\\froman"), std::string::npos);
    EXPECT_EQ(piece.find("{\\f1000\\froman"), std::string::npos);
}

}  // namespace
}  // namespace quorin::test
