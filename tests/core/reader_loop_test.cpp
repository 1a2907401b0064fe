// The reader loop: progress, cancel, stop-at-zero, the length of what it
// consumes and nested runs. The byte-exact cases are in reader_loop.cases.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "core/document_reader.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

struct RecordingTracker : ProgressTracker {
    std::vector<int32_t> positions;
    int32_t rangeEnd = -1;
    int begun = 0;
    void SetFileRange(int32_t, int32_t end) override { rangeEnd = end; }
    void BeginFile() override { ++begun; }
    void UpdatePosition(int32_t position) override { positions.push_back(position); }
};

struct RunResult {
    size_t consumed;
    std::string out;
};

RunResult RunReader(const std::string& codes, bool stopAtZero = false, ProgressTracker* tracker = nullptr) {
    ConversionOptions options;
    DocumentReader reader(options, kNeverCancelled);
    RtfBuffer stream(codes), out;
    size_t consumed = reader.Run(stream, out, tracker, stopAtZero);
    EXPECT_TRUE(stream.empty()) << "the run empties its code stream";
    return {consumed, out};
}

TEST(ReaderLoop, EmptyStreamWritesNothingAndReportsNoPosition) {
    RecordingTracker tracker;
    RunResult r = RunReader("", false, &tracker);
    EXPECT_EQ(r.consumed, 0u);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(tracker.positions.empty());
    EXPECT_EQ(tracker.rangeEnd, 0);
    EXPECT_EQ(tracker.begun, 1);
}

TEST(ReaderLoop, ProgressAfterEveryUnit) {
    RecordingTracker tracker;
    RunReader("a" + Fixed(0xC3, {12}) + Extended(1, 41), false, &tracker);
    EXPECT_EQ(tracker.rangeEnd, 8);
    EXPECT_EQ(tracker.positions, (std::vector<int32_t>{1, 4, 8}));
}

TEST(ReaderLoop, StopAtZero) {
    std::string codes = std::string("Ab") + '\0' + "cd";
    RunResult stopped = RunReader(codes, true);
    EXPECT_EQ(stopped.consumed, 2u);
    EXPECT_EQ(stopped.out, "\\'41\\'62{\\par}\n");
    RunResult through = RunReader(codes, false);
    EXPECT_EQ(through.consumed, 5u);
    EXPECT_EQ(through.out, "\\'41\\'62\\'63\\'64{\\par}\n");
}

TEST(ReaderLoop, FixedAndVariableLengthCodesConsumeTheirLength) {
    RunResult r = RunReader(Fixed(0xCF) + "y");
    EXPECT_EQ(r.consumed, 13u);
    EXPECT_EQ(r.out, "\\'79{\\par}\n");
    EXPECT_EQ(RunReader(Variable(0xE5, 0, "abc")).consumed, 10u);
}

TEST(ReaderLoop, CodesCutOffByTheEndOfTheStream) {
    // A variable-length code promising more than remains writes nothing.
    std::string cut = "a" + Bytes({0xD1, 1, 40, 0, 1, 2});
    RunResult r = RunReader(cut);
    EXPECT_EQ(r.out, "\\'61{\\par}\n");
    EXPECT_EQ(r.consumed, cut.size());
    EXPECT_EQ(RunReader("a" + Bytes({0xE0})).consumed, 2u);
}

TEST(ReaderLoop, EveryStepMovesOn) {
    // Length words near 65535 must not wrap.
    std::string huge = Bytes({0xE0, 0, 0xFE, 0xFF});
    RunResult r = RunReader(huge + std::string(70000, ' '));
    EXPECT_EQ(r.consumed, 4u + 70000u);
    EXPECT_EQ(r.out.size(), (70000u - 65534u) * 4 + 7);  // 65534 bytes skipped, then spaces
    EXPECT_EQ(r.out.substr(0, 4), "\\'20");
}

TEST(ReaderLoop, CancelBeforeTheRun) {
    ConversionOptions options;
    CancelRequest cancel;
    cancel.Request();
    DocumentReader reader(options, cancel);
    RtfBuffer stream("abc"), out;
    EXPECT_EQ(reader.Run(stream, out, nullptr, false), 0u);
    EXPECT_EQ(out, "");
    EXPECT_TRUE(stream.empty());
}

TEST(ReaderLoop, CopiesKeepFormattingButNotScriptOrMarks) {
    ConversionOptions options;
    options.rightToLeftDocument = 1;
    DocumentReader reader(options, kNeverCancelled);
    reader.fontSizePoints = 10;
    reader.baseFont = 3;
    reader.script = 2;
    reader.sizePercent = 150;
    reader.marginLeft = 7;
    reader.paragraphOpen = reader.sectionHasText = true;
    reader.pendingFormat = "\\lin720";
    DocumentReader copy(reader);
    EXPECT_EQ(copy.fontSizePoints, 10);
    EXPECT_EQ(copy.baseFont, 3);
    EXPECT_EQ(copy.marginLeft, 7);
    EXPECT_TRUE(copy.rightToLeft);
    EXPECT_EQ(copy.script, 0);
    EXPECT_EQ(copy.sizePercent, 100);
    EXPECT_FALSE(copy.paragraphOpen);
    EXPECT_FALSE(copy.sectionHasText);
    EXPECT_TRUE(copy.pendingFormat.empty());
}

TEST(ReaderLoop, NestedRunsAreBounded) {
    ConversionOptions options;
    DocumentReader reader(options, kNeverCancelled);
    RtfBuffer result;
    EXPECT_TRUE(reader.RunNested(std::string("ab\0cd", 5), result));
    EXPECT_EQ(result, "\\'61\\'62{\\par}\n");
    reader.nestingDepth = DocumentReader::kMaxNestingDepth;
    RtfBuffer none;
    EXPECT_FALSE(reader.RunNested("ab", none));
    EXPECT_EQ(none, "");
}

}  // namespace
}  // namespace quorin::test
