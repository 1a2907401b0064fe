// The output of a document as it is converted: the CR LF sink across its
// pieces, the unnamed and the named temporary file it writes into, and
// nothing left behind.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#include <sys/resource.h>

#include "app/convert_files.h"
#include "app/temporary_file.h"
#include "run_quorin.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

constexpr size_t kPiece = CrLfSink::kPieceSize;

// Text whose line feeds sit on both sides of each piece's edge.
std::string EdgeText() {
    std::string text(2 * kPiece + 10, 'x');
    for (size_t at : {size_t{0}, kPiece - 1, kPiece, kPiece + 1, 2 * kPiece - 1, 2 * kPiece + 9}) text[at] = '\n';
    return text;
}

// Appends in uneven slices, one of them through Reserve and Commit.
void AppendInSlices(RtfSink& out, std::string_view text) {
    for (size_t at = 0, slice = 1; at < text.size(); at += slice, slice = slice * 7 % 9973 + 1) {
        std::string_view part = text.substr(at, slice);
        if (slice % 2) {
            out.Append(part);
        } else {
            std::copy(part.begin(), part.end(), out.Reserve(part.size()));
            out.Commit(part.size());
        }
    }
}

// A sink writing into a temporary file of the folder, as the batch uses them.
struct Output {
    void Begin(const std::string& folder) {
        file = TemporaryFile(folder);
        sink.Begin(file);
    }
    bool Finish() { return sink.Finish(); }
    TemporaryFile file;
    CrLfSink sink;
};

struct OutputFileTest : ::testing::TestWithParam<bool> {
    void SetUp() override { TemporaryFile::UseNamedFilesOnly(GetParam()); }
    void TearDown() override { TemporaryFile::UseNamedFilesOnly(false); }
    TemporaryFolder folder;
};

TEST_P(OutputFileTest, PublishedFileHoldsTheTextWithCrLfAndNothingElseIsLeft) {
    Output out;
    for (const std::string& text : {EdgeText(), std::string("{\\rtf1\n}")}) {  // reused for a second file
        const std::string name = folder / std::to_string(text.size()) + ".rtf";
        out.Begin(folder.Path());
        AppendInSlices(out.sink, text);
        ASSERT_TRUE(out.Finish());
        if (GetParam()) {  // the named way: one short hidden name
            const std::string temporary = FolderNames(folder.Path()).front();
            EXPECT_EQ(temporary.substr(0, 4), ".qrn");
            EXPECT_EQ(temporary.size(), 10u);
        }
        ASSERT_TRUE(out.file.Publish(name));
        EXPECT_EQ(ReadFile(name), WithCrLf(text));
    }
    EXPECT_EQ(FolderNames(folder.Path()).size(), 2u);
}

TEST_P(OutputFileTest, DiscardedFailedAndRefusedOutputsLeaveTheFolderAsItWas) {
    WriteFile(folder / "taken.rtf", "earlier");
    Output out;
    out.Begin(folder.Path());
    AppendInSlices(out.sink, EdgeText());
    out.file.Discard();
    EXPECT_EQ(FolderNames(folder.Path()), std::vector<std::string>{"taken.rtf"});

    out.Begin(folder.Path());
    AppendInSlices(out.sink, EdgeText());
    ASSERT_TRUE(out.Finish());
    EXPECT_FALSE(out.file.Publish(folder / "taken.rtf"));  // never replaces
    out.file.Discard();
    EXPECT_EQ(ReadFile(folder / "taken.rtf"), "earlier");
    EXPECT_EQ(FolderNames(folder.Path()), std::vector<std::string>{"taken.rtf"});

    // Replace does, leaving no temporary name behind (--existing overwrite).
    out.Begin(folder.Path());
    out.sink.Append("new\n");
    ASSERT_TRUE(out.Finish());
    ASSERT_TRUE(out.file.Replace(folder / "taken.rtf"));
    EXPECT_EQ(ReadFile(folder / "taken.rtf"), "new\r\n");
    EXPECT_EQ(FolderNames(folder.Path()), std::vector<std::string>{"taken.rtf"});
    WriteFile(folder / "taken.rtf", "earlier");

    // A write that fails (the file size limit stands in for a full disk).
    rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = kPiece;
    signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    out.Begin(folder.Path());
    AppendInSlices(out.sink, EdgeText() + EdgeText());
    const bool finished = out.Finish();
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(finished);
    EXPECT_EQ(out.sink.Error(), EFBIG);
    out.file.Discard();
    EXPECT_EQ(FolderNames(folder.Path()), std::vector<std::string>{"taken.rtf"});
}

TEST_P(OutputFileTest, CopyToGivesTheWholeTextFromMemoryOrFile) {
    for (const std::string& text : {std::string("{\\rtf1\nsmall\n}"), EdgeText()}) {
        Output out;
        out.Begin(folder.Path());
        AppendInSlices(out.sink, text);
        WriteFile(folder / "copy", "");
        FILE* copy = fopen((folder / "copy").c_str(), "w");
        const bool small = out.sink.AllHeld();
        EXPECT_EQ(small, text.size() < kPiece);
        ASSERT_TRUE(small ? out.sink.WriteHeldTo(fileno(copy))
                          : out.Finish() && out.file.CopyTo(fileno(copy), out.sink.FileBytes()));
        fclose(copy);
        out.file.Discard();
        EXPECT_EQ(ReadFile(folder / "copy"), WithCrLf(text));
        EXPECT_EQ(FolderNames(folder.Path()), std::vector<std::string>{"copy"});
    }
}

INSTANTIATE_TEST_SUITE_P(UnnamedAndNamed, OutputFileTest, ::testing::Bool());

// Names at the file system's 255-byte limit: the temporary file never makes a
// legal output fail, and an output name past the limit is a write error.
TEST(OutputNames, LongestLegalOutputConvertsAndOneTooLongIsAWriteError) {
    TemporaryFolder folder;
    const std::string document = WpDocument().Body("Hi").Build();
    const std::string fits(251 - 3, 'a'), tooLong(252 - 3, 'b');  // + ".wp", then + ".rtf"
    WriteFile(folder / (fits + ".wp"), document);
    WriteFile(folder / (tooLong + ".wp"), document);
    QuorinRun run = RunQuorin(folder.Path(), {"-f", fits + ".wp|" + tooLong + ".wp", "-o", "out"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Exists(folder / ("out/" + fits + ".wp.rtf")));
    EXPECT_NE(run.err.find("Error writing to file \"" + folder.Path() + "/out/" + tooLong + ".wp.rtf\"!"),
              std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("backing up"), std::string::npos) << run.err;
    EXPECT_EQ(FolderNames(folder / "out"), std::vector<std::string>{fits + ".wp.rtf"});
}

// A cancel while workers write large documents leaves only finished outputs.
TEST(OutputNames, CancelWithSeveralJobsLeavesNoTemporaryFile) {
    TemporaryFile::UseNamedFilesOnly(true);
    TemporaryFolder folder;
    std::string body;
    for (int i = 0; i < 40000; ++i) body += "The quick brown fox jumps over the lazy dog.\n";
    const std::string big = WpDocument().Body(body).Build();
    for (const char* name : {"a.wp", "c.wp", "d.wp", "e.wp", "f.wp"}) WriteFile(folder / name, big);
    WriteFile(folder / "b.wp", "not a document");
    CancellingMessages messages;
    ConversionOptions options;
    CancelRequest cancel;
    BatchServices services{options, cancel, messages, nullptr};
    BatchOutcome outcome = ConvertFiles({folder / "*.wp"}, folder / "out", services, {4, false});
    TemporaryFile::UseNamedFilesOnly(false);
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(FolderNames(folder / "out"), std::vector<std::string>{"a.wp.rtf"});
}

}  // namespace
}  // namespace quorin::test
