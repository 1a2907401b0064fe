// Batches on several threads (-j), folder trees (-R), and GNU parallel
// driving quorin: the results must be those of one file after another.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include "app/path_text.h"

#include "run_quorin.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

namespace fs = std::filesystem;

const std::string kLetter = WpDocument().Body("Dear Sir,\nthank you.\n").Build();
const std::string kMemo = WpDocument().Body("Memo").Build();

std::string Big() {
    std::string body;
    for (int i = 0; i < 20000; ++i) body += "The quick brown fox jumps over the lazy dog.\n";
    return WpDocument().Body(body).Build();
}

// Every file below a folder (hidden ones included): relative path -> bytes.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) files[fs::relative(entry.path(), folder).string()] = ReadFile(entry.path());
    }
    return files;
}

struct Result {
    QuorinRun run;
    std::map<std::string, std::string> files;
};

// Builds a batch afresh in `work` with `make`, runs quorin there with -j
// `jobs` and the arguments, and takes everything that is left.
template <class Make>
Result RunFresh(const std::string& work, Make make, const std::string& jobs, std::vector<std::string> arguments) {
    fs::remove_all(work);
    fs::create_directories(work);
    make(work);
    arguments.insert(arguments.begin(), {"-j", jobs});
    Result result{RunQuorin(work, arguments), {}};
    result.files = Snapshot(work);
    return result;
}

template <class Make>
void ExpectSameAsOneJob(Make make, const std::vector<std::string>& arguments) {
    TemporaryFolder folder;
    std::string work = folder / "work";
    Result sequential = RunFresh(work, make, "1", arguments);
    for (const std::string jobs : {"2", "4", "8"}) {
        Result parallel = RunFresh(work, make, jobs, arguments);
        EXPECT_EQ(parallel.run.status, sequential.run.status) << "-j " << jobs;
        EXPECT_EQ(parallel.run.err, sequential.run.err) << "-j " << jobs;
        EXPECT_EQ(parallel.files.size(), sequential.files.size()) << "-j " << jobs;
        EXPECT_TRUE(parallel.files == sequential.files) << "-j " << jobs << ": outputs differ";
    }
}

TEST(ParallelBatch, GoodBadAndDuplicateFilesGiveWhatOneJobGives) {
    auto make = [](const std::string& work) {
        fs::create_directories(work + "/in/sub");
        fs::create_directories(work + "/out");
        WriteFile(work + "/in/a.wp", kLetter);
        WriteFile(work + "/in/b.wp", kMemo);
        WriteFile(work + "/in/big.wp", Big());
        WriteFile(work + "/in/empty.wp", "");
        std::string wrongType = kLetter;
        wrongType[9] = 11;
        WriteFile(work + "/in/wrong.wp", wrongType);
        WriteFile(work + "/in/bad.txt", "plain text, not a document");
        WriteFile(work + "/in/sub/a.wp", kMemo);  // the same output name as in/a.wp
        WriteFile(work + "/out/a.wp.rtf", "an earlier output");
    };
    ExpectSameAsOneJob(make, {"-f", "in/*.wp|in/bad.txt|missing.wp|in/sub/a.wp|in/big.wp|in/a.wp", "-o", "out"});

    // What one job gives, spelled out once.
    TemporaryFolder folder;
    Result one = RunFresh(folder / "work", make, "1", {"-f", "in/a.wp|in/sub/a.wp|in/a.wp", "-o", "out"});
    EXPECT_EQ(one.files["out/a.wp_000.rtf"], "an earlier output");
    EXPECT_EQ(one.files["out/a.wp_001.rtf"], WithCrLf(ConvertFile(kLetter)));
    EXPECT_EQ(one.files["out/a.wp_002.rtf"], WithCrLf(ConvertFile(kMemo)));
    EXPECT_EQ(one.files["out/a.wp.rtf"], WithCrLf(ConvertFile(kLetter)));
}

// Writing into the input folder: a.wp's output replaces a.wp.rtf, itself a
// document, and moves it to a backup name before a.wp.rtf's own turn. One
// job then reads the new RTF text (not a document); so must several.
TEST(ParallelBatch, InputsThatEarlierOutputsReplaceAreReadAtTheirTurn) {
    auto make = [](const std::string& work) {
        WriteFile(work + "/a.wp", kLetter);
        WriteFile(work + "/a.wp.rtf", kMemo);
        WriteFile(work + "/a.wp_000.rtf", kMemo);
        for (const char* name : {"c.wp", "d.wp", "e.wp"}) WriteFile(work + "/" + name, kMemo);
    };
    ExpectSameAsOneJob(make, {"-f", "*", "-o", "."});
    TemporaryFolder folder;
    Result one = RunFresh(folder / "work", make, "1", {"-f", "*", "-o", "."});
    EXPECT_NE(one.run.err.find("/a.wp.rtf\nDocument is not a WordPerfect"), std::string::npos) << one.run.err;
}

TEST(ParallelBatch, JobCountOnTheCommandLine) {
    TemporaryFolder folder;
    WriteFile(folder / "a.wp", kLetter);
    for (const char* wrong : {"0", "many", "2x", "100000"}) {
        QuorinRun run = RunQuorin(folder.Path(), {"-j", wrong, "-f", "a.wp", "-o", "out"});
        EXPECT_EQ(run.status, 2) << wrong;
        EXPECT_NE(run.err.find("-j needs a number"), std::string::npos) << run.err;
    }
    EXPECT_FALSE(Exists(folder / "out"));
    EXPECT_EQ(RunQuorin(folder.Path(), {"-f", "a.wp", "-o", "out", "-j", "16"}).status, 0);
    EXPECT_EQ(ReadFile(folder / "out/a.wp.rtf"), WithCrLf(ConvertFile(kLetter)));
}

// A tree of documents: three levels, a hidden file and folder, a file that is
// no document and an empty one.
void BuildTree(const std::string& root) {
    for (const std::string name : {"docs/top.wp", "docs/a/one.wp", "docs/a/b/two.wp", "docs/1990/x/y.wp",
                                   "docs/.hidden/h.wp", "docs/.dot.wp", "docs/a/note.txt", "docs/a/empty.wp"}) {
        fs::create_directories(fs::path(root + "/" + name).parent_path());
        WriteFile(root + "/" + name, name.ends_with(".txt") ? "not a document" : name.ends_with("empty.wp") ? "" : kLetter);
    }
}

const std::vector<std::string> kTreeOutputs{"1990/x/y.wp.rtf", "a/b/two.wp.rtf", "a/one.wp.rtf", "top.wp.rtf"};

struct Tree : ::testing::Test {
    TemporaryFolder folder;
    void SetUp() override { BuildTree(folder.Path()); }
    QuorinRun Run(const std::vector<std::string>& arguments) { return RunQuorin(folder.Path(), arguments); }
    // The files below an output folder; every one must be the converted letter.
    std::vector<std::string> Outputs(const std::string& out) {
        std::vector<std::string> names;
        for (const auto& [name, bytes] : Snapshot(folder / out)) {
            names.push_back(name);
            EXPECT_EQ(bytes, WithCrLf(ConvertFile(kLetter))) << name;
        }
        return names;
    }
};

TEST_F(Tree, FolderIsWalkedAndItsTreeKeptBelowTheOutputFolder) {
    QuorinRun run = Run({"-R", "-f", "docs", "-o", "out"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Error! " + folder / "docs/a/note.txt" +
                           "\nDocument is not a WordPerfect 5.X Document!\n");
    EXPECT_EQ(Outputs("out"), kTreeOutputs);
    EXPECT_EQ(Run({"-R", "-f", "docs/a/one.wp", "-o", "single"}).status, 0);
    EXPECT_EQ(Outputs("single"), std::vector<std::string>{"one.wp.rtf"});
}

TEST_F(Tree, OutputFolderInsideTheTreeIsNotWalked) {
    QuorinRun first = Run({"-R", "-f", "docs/*.wp", "-o", "docs/converted"});
    QuorinRun second = Run({"-R", "-f", "docs/*.wp", "-o", "docs/converted"});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.err, "");
    std::vector<std::string> expected;
    for (const std::string& name : kTreeOutputs) {
        expected.push_back(name);
        expected.push_back(name.substr(0, name.size() - 4) + "_000.rtf");
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Outputs("docs/converted"), expected);
}

TEST_F(Tree, PatternsMatchFileNamesAtEveryDepthBelowTheirFolders) {
    EXPECT_EQ(Run({"-R", "-f", "docs/*.wp", "-o", "all"}).err, "");
    EXPECT_EQ(Outputs("all"), kTreeOutputs);
    // Paths are kept below the folders without wildcards (docs).
    EXPECT_EQ(Run({"-R", "-f", "docs/19*/*.wp", "-o", "years"}).status, 0);
    EXPECT_EQ(Outputs("years"), std::vector<std::string>{"1990/x/y.wp.rtf"});
    QuorinRun none = Run({"-R", "-f", "docs/*.wp5", "-o", "none"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "Error! Can't find file(s) \"docs/*.wp5\"!\n");
}

TEST_F(Tree, WithoutRecursionFoldersAreNotEntered) {
    EXPECT_EQ(Run({"-f", "docs/*.wp", "-o", "flat"}).status, 0);
    EXPECT_EQ(Outputs("flat"), std::vector<std::string>{"top.wp.rtf"});
    EXPECT_EQ(Run({"-f", "docs", "-o", "folder"}).status, 1);
    EXPECT_FALSE(Exists(folder / "folder"));
}

TEST_F(Tree, FolderThatCannotBeReadIsReported) {
    if (geteuid() == 0) GTEST_SKIP() << "every folder is readable to root";
    chmod((folder / "docs/a/b").c_str(), 0);
    QuorinRun run = Run({"-R", "-f", "docs/*.wp", "-o", "out"});
    chmod((folder / "docs/a/b").c_str(), 0755);
    EXPECT_EQ(run.status, 1);
    std::string unreadable = folder / "docs/a/b";
    EXPECT_EQ(run.err, "Error! " + unreadable + "\nError opening file \"" + unreadable + "\"!\n");
    EXPECT_EQ(Outputs("out"), (std::vector<std::string>{"1990/x/y.wp.rtf", "a/one.wp.rtf", "top.wp.rtf"}));
}

TEST(ParallelBatch, TreeWithSeveralJobsIsTheTreeOfOneJob) {
    ExpectSameAsOneJob(BuildTree, {"-R", "-f", "docs", "-o", "docs/out"});
}

// GNU parallel runs one quorin per file, here as local jobs; on several
// machines the same command takes --sshlogin (see the README). Failures are
// counted from quorin's exit statuses, and every output depends only on its
// input, so it is the output a single batch makes.
TEST(GnuParallel, DrivesQuorinOverAListOfFiles) {
    if (std::system("parallel --version 2>/dev/null | grep -q 'GNU parallel'") != 0)
        GTEST_SKIP() << "GNU parallel is not installed";
    TemporaryFolder folder;
    BuildTree(folder.Path());
    std::string command = "cd '" + folder.Path() + "' && export HOME='" + folder.Path() +
                          "' && find docs -type f -size +0 ! -path '*/.*' | sort |"
                          " parallel --will-cite -j 2 --joblog jobs.log"
                          " '" QUORIN_EXECUTABLE "' -f {} -o 'spread/{//}' >/dev/null 2>&1";
    int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << "one job failed: note.txt";

    std::istringstream log(ReadFile(folder / "jobs.log"));
    std::string line;
    std::getline(log, line);
    int jobs = 0;
    while (std::getline(log, line)) {
        std::vector<std::string> fields;
        std::istringstream columns(line);
        for (std::string field; std::getline(columns, field, '\t');) fields.push_back(field);
        ASSERT_GE(fields.size(), 9u) << line;
        EXPECT_EQ(fields[6], fields[8].find("note.txt") != std::string::npos ? "1" : "0") << line;
        ++jobs;
    }
    EXPECT_EQ(jobs, 5);

    EXPECT_EQ(RunQuorin(folder.Path(), {"-R", "-f", "docs", "-o", "single"}).status, 1);
    EXPECT_EQ(Snapshot(folder / "spread/docs"), Snapshot(folder / "single"));
    EXPECT_EQ(Snapshot(folder / "single").size(), kTreeOutputs.size());
}

}  // namespace
}  // namespace quorin::test
