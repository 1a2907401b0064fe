// The quorin command run in temporary folders: file lists, wildcards, backups,
// output folders, failures and their messages, CR LF, the filter form, usage
// and Ctrl-C.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "app/path_text.h"
#include "run_quorin.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

const std::string kLetter = WpDocument().Body("Dear Sir,\nthank you.\n").Build();
const std::string kMemo = WpDocument().Body("Memo").Build();

// What the file writer should store for a document.
std::string Expected(const std::string& document, int rightToLeft = 0) {
    ConversionOptions options;
    options.rightToLeftDocument = rightToLeft;
    return WithCrLf(ConvertFile(document, options));
}

struct Command : ::testing::Test {
    TemporaryFolder folder;
    std::string In(const std::string& name) { return folder / name; }
    QuorinRun Run(const std::vector<std::string>& arguments, const std::string& input = {}) {
        return RunQuorin(folder.Path(), arguments, input);
    }
};

TEST_F(Command, OneFileIsWrittenWithCrLf) {
    WriteFile(In("letter.wp"), kLetter);
    QuorinRun run = Run({"-f", "letter.wp", "-o", "out"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::string written = ReadFile(folder / "out/letter.wp.rtf");
    EXPECT_EQ(written, Expected(kLetter));
    EXPECT_NE(written.find("\r\n"), std::string::npos);
    for (size_t i = written.find('\n'); i != std::string::npos; i = written.find('\n', i + 1))
        ASSERT_EQ(written[i - 1], '\r');
    EXPECT_EQ(FolderNames(folder / "out"), std::vector<std::string>{"letter.wp.rtf"});
    struct stat info;
    ASSERT_EQ(stat((folder / "out/letter.wp.rtf").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0044, 0044u) << "readable like any new file, not a private temporary";
}

TEST_F(Command, InputListWithQuotesBarsAndWildcards) {
    WriteFile(In("a.wp"), kLetter);
    WriteFile(In("b.wp"), kMemo);
    WriteFile(In("empty.wp"), "");
    std::filesystem::create_directory(In("folder.wp"));
    QuorinRun quoted = Run({"-f", "|\"a.wp\"|\"b.wp\"", "-o", "quoted"});
    EXPECT_EQ(quoted.status, 0) << quoted.err;
    EXPECT_EQ(FolderNames(folder / "quoted"), (std::vector<std::string>{"a.wp.rtf", "b.wp.rtf"}));
    QuorinRun pattern = Run({"-f", " *.wp ", "-o", "pattern", "-r"});
    EXPECT_EQ(pattern.status, 0) << pattern.err;
    EXPECT_EQ(pattern.err, "");
    EXPECT_EQ(FolderNames(folder / "pattern"), (std::vector<std::string>{"a.wp.rtf", "b.wp.rtf"}));
    EXPECT_EQ(ReadFile(folder / "pattern/b.wp.rtf"), Expected(kMemo, 1));
    // As the shell hands over "quorin -f *.wp -o out".
    QuorinRun expanded = Run({"-f", "a.wp", "b.wp", "-o", "expanded"});
    EXPECT_EQ(FolderNames(folder / "expanded"), (std::vector<std::string>{"a.wp.rtf", "b.wp.rtf"}));
}

TEST_F(Command, EarlierOutputsAreBackedUpNeverOverwritten) {
    WriteFile(In("a.wp"), kLetter);
    EXPECT_EQ(Run({"-f", "a.wp|a.wp", "-o", "out"}).status, 0);
    EXPECT_EQ(FolderNames(folder / "out"), (std::vector<std::string>{"a.wp.rtf", "a.wp_000.rtf"}));
    WriteFile(In("a.wp"), kMemo);
    EXPECT_EQ(Run({"-f", "a.wp", "-o", "out"}).status, 0);
    EXPECT_EQ(FolderNames(folder / "out"),
              (std::vector<std::string>{"a.wp.rtf", "a.wp_000.rtf", "a.wp_001.rtf"}));
    EXPECT_EQ(ReadFile(folder / "out/a.wp.rtf"), Expected(kMemo));
    EXPECT_EQ(ReadFile(folder / "out/a.wp_001.rtf"), Expected(kLetter));
}

TEST_F(Command, MissingOutputFolderIsCreated) {
    WriteFile(In("a.wp"), kLetter);
    QuorinRun run = Run({"-f", "a.wp", "-o", "new/deeper/"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(folder / "new/deeper/a.wp.rtf"), Expected(kLetter));
}

TEST_F(Command, OutputFolderThatCannotBeMadeFailsEveryFile) {
    WriteFile(In("a.wp"), kLetter);
    WriteFile(In("b.wp"), kMemo);
    WriteFile(In("blocked"), "a file where the folder should be");
    QuorinRun run = Run({"-f", "a.wp|b.wp", "-o", "blocked/out"});
    EXPECT_EQ(run.status, 1);
    std::string output = folder / "blocked/out/a.wp.rtf";
    EXPECT_NE(run.err.find("Error! " + output + "\nError writing to file \"" + output + "\"!\n"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("b.wp.rtf\"!"), std::string::npos);
}

TEST_F(Command, FailingDocumentIsReportedAndTheOthersConverted) {
    WriteFile(In("a.wp"), kLetter);
    WriteFile(In("b.txt"), "plain text, not a document");
    WriteFile(In("c.wp"), kMemo);
    QuorinRun run = Run({"-f", "a.wp|b.txt|missing.wp|c.wp", "-o", "out"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Error! Can't find file(s) \"missing.wp\"!\n"
                       "Error! " + In("b.txt") + "\nDocument is not a WordPerfect 5.X Document!\n");
    EXPECT_EQ(FolderNames(folder / "out"), (std::vector<std::string>{"a.wp.rtf", "c.wp.rtf"}));
}

TEST_F(Command, NothingFoundConvertsNothing) {
    QuorinRun run = Run({"-f", "*.wp", "-o", "out"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Error! Can't find file(s) \"*.wp\"!\n");
    EXPECT_FALSE(Exists(folder / "out"));
}

TEST_F(Command, InputNamedTrueByAnEmptyFileOption) {
    QuorinRun run = Run({"-f", "-o", "out"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Error! Can't find file(s) \"TRUE\"!\n");
}

TEST_F(Command, FilterFormMatchesTheCore) {
    QuorinRun run = Run({"-f", "-", "-o", "-", "-r"}, kLetter);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, Expected(kLetter, 1));
    EXPECT_EQ(run.err, "");
    // A real document without font packets: the same whatever the font answers.
    std::string corpus = ReadTestData("sample-51.wp");
    EXPECT_EQ(Run({"-f", "-", "-o", "-"}, corpus).out, Expected(corpus));
}

TEST_F(Command, FilterFormFailureWritesOnlyTheMessage) {
    std::string wrongType = kLetter;
    wrongType[9] = 11;
    QuorinRun run = Run({"-f", "-", "-o", "-"}, wrongType);
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Document is not a standard WordPerfect 5.X Document!\n");
}

TEST_F(Command, UsageHelpAndVersion) {
    QuorinRun bare = Run({"-h"});
    EXPECT_EQ(bare.status, 0);
    EXPECT_EQ(bare.out.substr(0, 57), "Quorin - Converts Wordperfect 5.x files to RTF and Word.\n");
    EXPECT_NE(bare.out.find("-p\tReverse Parenthesis\n"), std::string::npos);
    EXPECT_EQ(Run({"-?"}).out, bare.out);
    EXPECT_EQ(Run({"-h", "-f", "a.wp", "-o", "out"}).out, bare.out);
    // No arguments, or file paths only, ask for the window: without a display
    // that is the usage and a word on why, never a crash.
    std::map<std::string, std::string> noDisplay{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}};
    std::map<std::string, std::string> goneDisplay{{"DISPLAY", ":987"}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}};
    for (auto [window, environment] : {std::pair{std::vector<std::string>{}, noDisplay},
                                       {std::vector<std::string>{"a.wp", "b.wp"}, noDisplay},
                                       {std::vector<std::string>{}, goneDisplay}}) {
        QuorinRun run = RunQuorin(folder.Path(), window, {}, environment);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(bare.out), std::string::npos);
        EXPECT_NE(run.err.find("needs a graphical session"), std::string::npos);
    }
    QuorinRun wrong = Run({"-F", "a.wp", "-o", "out"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.out, "");
    EXPECT_EQ(wrong.err, "quorin: unknown option -F\n" + bare.out);
    EXPECT_EQ(Run({"-o", "out"}).status, 2);
    EXPECT_FALSE(Exists(folder / "out"));
    QuorinRun help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.substr(0, 14), "Usage: quorin ");
    EXPECT_EQ(Run({"--version"}).out.substr(0, 16), "quorin (Quorin) ");
}

// A large batch stopped with Ctrl-C, file after file and on several threads:
// exit 130, and every file that was written is complete (no partial or
// temporary file is left).
TEST_F(Command, InterruptStopsTheBatchWithoutPartialFiles) {
    std::string body;
    for (int i = 0; i < 40000; ++i) body += "The quick brown fox jumps over the lazy dog.\n";
    std::string document = WpDocument().Body(body).Build();
    WriteFile(In("big.wp"), document);
    std::string expected = Expected(document);
    constexpr int kCopies = 400;
    for (const std::string jobs : {"1", "4"}) {
        std::string out = "out" + jobs;
        std::vector<std::string> arguments(kCopies, "big.wp");
        arguments.insert(arguments.end(), {"-o", out, "-j", jobs});

        StartedQuorin started = StartQuorin(folder.Path(), arguments);
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!Exists(folder / (out + "/big.wp.rtf")) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        kill(started.pid, SIGINT);
        QuorinRun run = FinishQuorin(started);

        EXPECT_EQ(run.status, 130) << run.err;
        // Whatever the moment, the cancel says so.
        EXPECT_EQ(run.err, "Canceled! User Canceled!    \n");
        std::vector<std::string> names = FolderNames(folder / out);
        EXPECT_LT(names.size(), size_t(kCopies));
        for (const std::string& name : names) {
            EXPECT_NE(name[0], '.') << "temporary file left: " << name;
            EXPECT_EQ(ReadFile(folder / (out + "/" + name)) == expected, true) << name << " is not complete";
        }
    }
}

}  // namespace
}  // namespace quorin::test
