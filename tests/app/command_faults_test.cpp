// The quorin command as archives use it: one table of command lines with
// their exit status, messages and files; password-protected documents; re-runs
// with each --existing choice; signals sent to a running batch.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "run_quorin.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

const std::string kLetter = WpDocument().Body("Dear Sir,\nthank you.\n").Build();
const std::string kSecret = WpDocument().Body("The key is under the mat.\n").Build();
const std::string kLocked = EncryptDocument(kSecret, "Sesame");
const std::string kCanceled = "Canceled! User Canceled!    \n";

std::string Stored(const std::string& document) { return WithCrLf(ConvertFile(document)); }

// Replaces every "@" with the folder's path.
std::string At(std::string text, const std::string& folder) {
    for (size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at + folder.size()))
        text.replace(at, 1, folder);
    return text;
}

struct Row {
    const char* what;
    std::vector<std::string> arguments;
    int status;
    std::string err;                 // "@" is the folder; a trailing "..." matches any rest
    std::vector<std::string> files;  // the output folder "out" afterwards; {"-"}: no such folder
    std::map<std::string, std::string> environment = {};
    std::string out = {};            // standard output
};

TEST(CommandFaults, EachLineGivesItsStatusMessagesAndFiles) {
    TemporaryFolder folder;
    auto make = [&] {
        std::filesystem::remove_all(folder / "out");
        WriteFile(folder / "a.wp", kLetter);
        WriteFile(folder / "bad.wp", "plain text");
        WriteFile(folder / "empty.wp", "");
        WriteFile(folder / "a|b.wp", kLetter);
        WriteFile(folder / "locked.wp", kLocked);
        std::filesystem::create_directories(folder / "docs/sub");
        WriteFile(folder / "docs/sub/c.wp", kLetter);
        if (!Exists(folder / "fifo")) ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
    };
    const std::vector<std::string> none{"-"};
    const std::string usage = "\nQuorin - Converts...";
    const std::vector<Row> rows{
        {"-o without a folder", {"-f", "a.wp", "-o"}, 2, "quorin: -o needs an output folder" + usage, none},
        {"-o before another option", {"-o", "-f", "a.wp"}, 2, "quorin: -o needs an output folder" + usage, none},
        {"-f naming nothing", {"-f", " | ", "-o", "out"}, 2, "quorin: no input files (-f)" + usage, none},
        {"a folder without -R", {"-f", "docs", "-o", "out"}, 1,
         "Error! \"docs\" is a folder: -R converts the files in its tree!\n", none},
        {"the folder with -R", {"-R", "-f", "docs", "-o", "out"}, 0, "", {"sub"}},
        {"an empty file", {"empty.wp", "-o", "out"}, 1, "Error! \"empty.wp\" is empty: there is nothing to convert!\n",
         none},
        {"a pipe", {"-f", "fifo", "-o", "out"}, 1,
         "Error! \"fifo\" is not a regular file: -f - reads standard input!\n", none},
        {"empty files beside converted ones", {"-f", "*.wp", "-o", "out"}, 1,
         "Error! @/bad.wp\nDocument is not a WordPerfect 5.X Document!\n"
         "Error! @/locked.wp\nDocument is protected by a password!\n",
         {"a.wp.rtf", "a|b.wp.rtf"}},
        {"a name holding a bar", {"a|b.wp", "-o", "out"}, 0, "", {"a|b.wp.rtf"}},
        {"a protected document", {"locked.wp", "a.wp", "-o", "out"}, 1,
         "Error! @/locked.wp\nDocument is protected by a password!\n", {"a.wp.rtf"}},
        {"a wrong password", {"locked.wp", "-o", "out", "--password", "open"}, 1,
         "Error! @/locked.wp\nDocument is protected by a password: the password given is wrong!\n", none},
        {"the password", {"locked.wp", "-o", "out", "--password", "sesame"}, 0, "", {"locked.wp.rtf"}},
        {"the password from the environment", {"locked.wp", "-o", "out"}, 0, "", {"locked.wp.rtf"},
         {{"QUORIN_PASSWORD", "SESAME"}}},
        {"the summary with -v", {"-v", "-f", "a.wp|bad.wp|locked.wp|empty.wp|a.wp", "-o", "out", "--existing", "skip"},
         1,
         "Error! @/bad.wp\nDocument is not a WordPerfect 5.X Document!\n"
         "Error! @/locked.wp\nDocument is protected by a password!\n"
         "2 converted, 1 failed, 1 skipped (empty), 1 protected\n",
         {"a.wp.rtf", "a.wp_000.rtf"}},
        {"one named file to standard output", {"-f", "a.wp", "-o", "-"}, 0, "", none, {}, Stored(kLetter)},
        {"a named file that fails writes nothing", {"-f", "bad.wp", "-o", "-"}, 1,
         "Document is not a WordPerfect 5.X Document!\n", none},
        {"a named file that is missing", {"-f", "gone.wp", "-o", "-"}, 1, "Can't find file(s) \"gone.wp\"!\n", none},
        {"a named folder", {"-f", "docs", "-o", "-"}, 1,
         "\"docs\" is a folder: -R converts the files in its tree!\n", none},
        {"a named empty file", {"-f", "empty.wp", "-o", "-"}, 1,
         "\"empty.wp\" is empty: there is nothing to convert!\n", none},
        {"documents asked for without LibreOffice", {"a.wp", "bad.wp", "-o", "out", "--to", "pdf,odt", "--fallback"}, 1,
         "Error! LibreOffice (soffice) is needed to write PDF/A documents and OpenDocument texts, and it was not "
         "found: the RTF files are kept.\n"
         "Error! LibreOffice (soffice) is needed to convert other WordPerfect versions (--fallback), and it was not "
         "found.\n"
         "Error! @/bad.wp\nDocument is not a WordPerfect 5.X Document!\n",
         {"a.wp.rtf"}, {{"QUORIN_SOFFICE", "/nonexistent/soffice"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        make();
        QuorinRun run = RunQuorin(folder.Path(), row.arguments, {}, row.environment);
        EXPECT_EQ(run.status, row.status);
        std::string err = At(row.err, folder.Path());
        if (err.ends_with("...")) EXPECT_EQ(run.err.substr(0, err.size() - 3), err.substr(0, err.size() - 3));
        else EXPECT_EQ(run.err, err);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(Exists(folder / "out") ? FolderNames(folder / "out") : none, row.files);
    }
}

// Protected documents, with and without the right password: never garbage.
TEST(CommandFaults, PasswordOpensOnlyItsDocument) {
    TemporaryFolder folder;
    WriteFile(folder / "locked.wp", kLocked);
    WriteFile(folder / "other.wp", EncryptDocument(kLetter, "other"));
    QuorinRun run = RunQuorin(folder.Path(), {"-f", "*.wp", "-o", "out", "--password=SESAME"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, At("Error! @/other.wp\nDocument is protected by a password: the password given is wrong!\n",
                          folder.Path()));
    EXPECT_EQ(FolderNames(folder / "out"), std::vector<std::string>{"locked.wp.rtf"});
    EXPECT_EQ(ReadFile(folder / "out/locked.wp.rtf"), Stored(kSecret));
    EXPECT_EQ(RunQuorin(folder.Path(), {"-f", "-", "-o", "-", "--password", "Other"}, ReadFile(folder / "other.wp")).out,
              Stored(kLetter));
}

// A document too large for the memory the process may use is named.
TEST(CommandFaults, NotEnoughMemoryNamesTheFile) {
    TemporaryFolder folder;
    std::string header = kLetter.substr(0, 16);
    WriteFile(folder / "huge.wp", header);
    std::filesystem::resize_file(folder / "huge.wp", 3ull << 30);  // sparse
    const std::vector<std::string> limited{"/bin/sh", "-c", "ulimit -v 1500000 && exec \"$0\" \"$@\""};
    // A sanitized build cannot start under a memory limit.
    if (FinishQuorin(StartQuorin(folder.Path(), {"--version"}, {}, {}, limited)).status != 0)
        GTEST_SKIP() << "quorin does not start with its memory limited";
    QuorinRun run = FinishQuorin(StartQuorin(folder.Path(), {"-f", "huge.wp", "-o", "out"}, {}, {}, limited));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, At("Memory error! @/huge.wp\nNot enough memory!\n", folder.Path()));
}

TEST(CommandFaults, ReRunsWithEachExistingChoice) {
    TemporaryFolder folder;
    const std::string kMemo = WpDocument().Body("Memo").Build();
    auto run = [&](const std::string& document, std::vector<std::string> extra) {
        WriteFile(folder / "a.wp", document);
        std::vector<std::string> arguments{"-f", "a.wp", "-o", "out"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return RunQuorin(folder.Path(), arguments);
    };
    ASSERT_EQ(run(kLetter, {}).status, 0);
    EXPECT_EQ(run(kMemo, {"--existing", "backup"}).status, 0);
    EXPECT_EQ(FolderNames(folder / "out"), (std::vector<std::string>{"a.wp.rtf", "a.wp_000.rtf"}));

    struct stat before, after;
    ASSERT_EQ(stat((folder / "out/a.wp.rtf").c_str(), &before), 0);
    QuorinRun overwrite = run(kLetter, {"--existing", "overwrite"});
    EXPECT_EQ(overwrite.status, 0);
    EXPECT_EQ(overwrite.err, "");
    EXPECT_EQ(FolderNames(folder / "out"), (std::vector<std::string>{"a.wp.rtf", "a.wp_000.rtf"}));
    EXPECT_EQ(ReadFile(folder / "out/a.wp.rtf"), Stored(kLetter));
    ASSERT_EQ(stat((folder / "out/a.wp.rtf").c_str(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino) << "a new file renamed into place, not the old one rewritten";

    QuorinRun quiet = run(kMemo, {"--existing", "skip"});
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.err, "");
    QuorinRun told = run(kMemo, {"--existing", "skip", "-v"});
    EXPECT_EQ(told.status, 0);
    EXPECT_EQ(told.err, At("Notice! Output file exists: \"@/out/a.wp.rtf\"!\nSkipping file: \"@/a.wp\"!\n"
                           "0 converted, 1 skipped (output exists)\n",
                           folder.Path()));
    EXPECT_EQ(ReadFile(folder / "out/a.wp.rtf"), Stored(kLetter));
    EXPECT_EQ(FolderNames(folder / "out"), (std::vector<std::string>{"a.wp.rtf", "a.wp_000.rtf"}));

    // With -w the output kept is the Word document; the engine is never started.
    std::filesystem::create_directory(folder / "word");
    WriteFile(folder / "word/a.wp.docx", "an earlier document");
    QuorinRun word = RunQuorin(folder.Path(), {"-f", "a.wp", "-o", "word", "-w", "--existing", "skip"}, {},
                               {{"QUORIN_SOFFICE", "/bin/false"}});
    EXPECT_EQ(word.status, 0) << word.err;
    EXPECT_EQ(FolderNames(folder / "word"), std::vector<std::string>{"a.wp.docx"});
    // With --to, only all its documents together are kept: here the PDF is
    // missing, so the file is converted again (and the failing engine keeps its RTF).
    const std::vector<std::string> both{"-f", "a.wp", "-o", "word", "--to", "docx,pdf", "--existing", "skip"};
    EXPECT_EQ(RunQuorin(folder.Path(), both, {}, {{"QUORIN_SOFFICE", "/bin/false"}}).status, 1);
    EXPECT_EQ(FolderNames(folder / "word"), (std::vector<std::string>{"a.wp.docx", "a.wp.rtf"}));
    WriteFile(folder / "word/a.wp.pdf", "an earlier PDF");
    EXPECT_EQ(RunQuorin(folder.Path(), both, {}, {{"QUORIN_SOFFICE", "/bin/false"}}).status, 0);

    // Overwrite replaces an earlier Word document too, where backup keeps it.
    const std::string engine = folder / "engine.sh";
    WriteFile(engine, "#!/bin/sh\nwhile [ \"$1\" != --convert-to ]; do shift; done\n"
                      "ext=${2%%:*}; out=$4; shift 4\n"
                      "for f; do b=$(basename \"$f\"); echo new > \"$out/${b%.*}.$ext\"; done\n");
    chmod(engine.c_str(), 0755);
    std::filesystem::remove(folder / "word/a.wp.rtf");
    const std::vector<std::string> toWord{"-f", "a.wp", "-o", "word", "-w", "--existing"};
    auto withWord = [&](const std::string& choice) {
        std::vector<std::string> arguments = toWord;
        arguments.push_back(choice);
        return RunQuorin(folder.Path(), arguments, {}, {{"QUORIN_SOFFICE", engine}}).status;
    };
    EXPECT_EQ(withWord("backup"), 0);
    EXPECT_EQ(FolderNames(folder / "word"), (std::vector<std::string>{"a.wp.docx", "a.wp.pdf", "a.wp_000.docx"}));
    EXPECT_EQ(withWord("overwrite"), 0);
    EXPECT_EQ(FolderNames(folder / "word"), (std::vector<std::string>{"a.wp.docx", "a.wp.pdf", "a.wp_000.docx"}));
    EXPECT_EQ(ReadFile(folder / "word/a.wp.docx"), "new\n");
}

// Output and temporary names may be as long as the file system allows: a
// 250-byte input name gives a legal 254-byte output name.
TEST(CommandFaults, LongestNamesConvert) {
    TemporaryFolder folder;
    std::string name = std::string(247, 'n') + ".wp";
    WriteFile(folder / name, kLetter);
    QuorinRun run = RunQuorin(folder.Path(), {name, "-o", "out"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(folder / ("out/" + name + ".rtf")), Stored(kLetter));
}

// Signals sent to a batch of large documents at several moments: each is a
// cancel that says so, exits with its status, and leaves only complete files.
TEST(CommandFaults, SignalsCancelCleanlyAtAnyMoment) {
    TemporaryFolder folder;
    std::string body;
    for (int i = 0; i < 20000; ++i) body += "The quick brown fox jumps over the lazy dog.\n";
    const std::string document = WpDocument().Body(body).Build();
    WriteFile(folder / "big.wp", document);
    const std::string expected = Stored(document);
    constexpr int kCopies = 300;
    struct Moment {
        int signal;
        const char* jobs;
        int outputsFirst;  // outputs written before the signal; -1: none, while the first converts
    };
    int run = 0;
    for (Moment moment : {Moment{SIGTERM, "1", -1}, Moment{SIGTERM, "4", 1}, Moment{SIGHUP, "1", 3},
                          Moment{SIGHUP, "4", 0}, Moment{SIGINT, "4", 5}, Moment{SIGINT, "1", 1}}) {
        std::string out = "out" + std::to_string(++run);
        SCOPED_TRACE(out + " signal " + std::to_string(moment.signal) + " -j " + moment.jobs);
        std::vector<std::string> arguments(kCopies, "big.wp");
        arguments.insert(arguments.end(), {"-o", out, "-j", moment.jobs});
        StartedQuorin started = StartQuorin(folder.Path(), arguments);
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        auto written = [&] {
            return Exists(folder / out) ? int(FolderNames(folder / out).size()) : 0;
        };
        if (moment.outputsFirst < 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));  // past start-up
        } else {
            while (written() <= moment.outputsFirst && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        kill(started.pid, moment.signal);
        QuorinRun result = FinishQuorin(started);

        EXPECT_EQ(result.status, 128 + moment.signal);
        EXPECT_EQ(result.err, kCanceled);
        if (!Exists(folder / out)) continue;
        std::vector<std::string> names = FolderNames(folder / out);
        EXPECT_LT(names.size(), size_t(kCopies));
        for (const std::string& name : names) {
            EXPECT_NE(name[0], '.') << "temporary file left: " << name;
            EXPECT_TRUE(ReadFile(folder / (out + "/" + name)) == expected) << name << " is not complete";
        }
    }
}

// A signal that comes before quorin could set its handlers (here held back
// by the program that starts it) is still a cancel; one that the starter
// ignores (nohup) stays ignored.
TEST(CommandFaults, SignalsBeforeStartUpCancelAndIgnoredOnesStayIgnored) {
    TemporaryFolder folder;
    WriteFile(folder / "a.wp", kLetter);
    const std::vector<std::string> termPending = {
        "/usr/bin/perl", "-MPOSIX", "-e",
        "sigprocmask(SIG_BLOCK, POSIX::SigSet->new(SIGTERM)); kill 'TERM', $$; exec @ARGV or exit 99"};
    QuorinRun early = FinishQuorin(StartQuorin(folder.Path(), {"a.wp", "-o", "early"}, {}, {}, termPending));
    EXPECT_EQ(early.status, 128 + SIGTERM);
    EXPECT_EQ(early.err, kCanceled);
    EXPECT_FALSE(Exists(folder / "early/a.wp.rtf"));

    std::string body;
    for (int i = 0; i < 20000; ++i) body += "The quick brown fox jumps over the lazy dog.\n";
    WriteFile(folder / "big.wp", WpDocument().Body(body).Build());
    std::vector<std::string> arguments(40, "big.wp");
    arguments.insert(arguments.end(), {"-o", "out", "-j", "1", "--existing", "overwrite"});
    StartedQuorin started = StartQuorin(folder.Path(), arguments, {}, {}, {"/usr/bin/nohup"});
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!Exists(folder / "out/big.wp.rtf") && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    kill(started.pid, SIGHUP);
    QuorinRun ignored = FinishQuorin(started);
    EXPECT_EQ(ignored.status, 0) << ignored.err;
    EXPECT_EQ(ignored.err, "");
}

}  // namespace
}  // namespace quorin::test
