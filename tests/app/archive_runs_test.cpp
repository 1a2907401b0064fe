// Archives that can be trusted: one table of runs whose rows are the faults
// an archivist met (inputs, options, report rows, files, exit status), and a
// report read back against the files on disk with collisions, skips,
// failures and a cancel, for one job and several.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "app/batch_report.h"
#include "app/convert_files.h"
#include "app/input_list.h"
#include "run_quorin.h"
#include "support/wp_builder.h"

namespace quorin::test {
namespace {

namespace fs = std::filesystem;

const std::string kLetter = WpDocument().Body("Dear Sir,\nthank you.\n").Build();
const std::string kMemo = WpDocument().Body("Memo").Build();
// A WordPerfect 4.2 document has no signature: text with its codes (bold on, off).
const std::string kVersion42 = "Dear Sir,\n\x9dthank you\x9c for the letter.\n";
const std::string kLatin1Name = "caf\xe9.wp";

// LibreOffice as the tests need it: it writes "new" for each file named,
// and nothing unless every name it is given is one of our short ones.
const std::string kEngine =
    "#!/bin/sh\n"
    "while [ \"$1\" != --convert-to ]; do shift; done\n"
    "ext=${2%%:*}; out=$4; shift 4\n"
    "for f; do case \"$f\" in in/[0-9]*.rtf|in/[0-9]*.wpd) ;; *) exit 1;; esac; done\n"
    "for f; do b=$(basename \"$f\"); echo new > \"$out/${b%.*}.$ext\"; done\n";
// A LibreOffice that hangs, and notes its process so the test can see it end.
const std::string kHangingEngine = "#!/bin/sh\necho $$ > \"$QUORIN_TEST_PID\"\nexec sleep 300\n";

// The folder every run starts from.
void MakeArchive(const TemporaryFolder& folder) {
    fs::remove_all(folder / "out");
    fs::create_directories(folder / "d1");
    fs::create_directories(folder / "d2");
    WriteFile(folder / "a.wp", kLetter);
    WriteFile(folder / "b.wp", kMemo);
    WriteFile(folder / "d1/LETTER.WP", kLetter);
    WriteFile(folder / "d2/LETTER.WP", kMemo);
    WriteFile(folder / "notes.txt", "Plain text, not a document.\n");
    WriteFile(folder / "old.wp", kVersion42);
    WriteFile(folder / "empty.wp", "");
    WriteFile(folder / "locked.wp", EncryptDocument(kLetter, "sesame"));
    WriteFile(folder / kLatin1Name, kLetter);
    WriteFile(folder / "prev.rtf", WithCrLf(ConvertFile(kLetter)));  // an output of an earlier run
    if (!Exists(folder / "gone.wp")) fs::create_symlink(folder / "nowhere.wp", folder / "gone.wp");
    for (const auto& [name, text] : {std::pair{"engine.sh", kEngine}, std::pair{"hang.sh", kHangingEngine}}) {
        WriteFile(folder / name, text);
        chmod((folder / name).c_str(), 0755);
    }
}

// The report's rows as "INPUT STATUS OUTPUT", names without their folders.
std::vector<std::string> ReportRows(const std::string& path) {
    std::vector<std::string> rows;
    std::vector<Row> csv = ParseCsv(ReadFile(path));
    for (size_t i = 1; i < csv.size(); ++i)
        rows.push_back(fs::path(csv[i][0]).filename().string() + " " + csv[i][2] + " " +
                       fs::path(csv[i][1]).filename().string());
    return rows;
}

struct ArchiveRun {
    const char* fault;
    std::vector<std::string> arguments;
    int status;
    std::vector<std::string> rows;   // of the report r.csv, when the run writes one
    std::vector<std::string> files;  // in "out" afterwards
    std::string err = {};            // a part of standard error
    std::vector<std::string> before = {};  // files in "out" before the run: NAME=TEXT
    std::map<std::string, std::string> environment = {};
};

TEST(ArchiveRuns, EachFaultIsMended) {
    TemporaryFolder folder;
    const std::map<std::string, std::string> engine{{"QUORIN_SOFFICE", folder / "engine.sh"}};
    const std::string report = "--report=r.csv";
    const std::vector<ArchiveRun> runs{
        {"1: the report never replaces an input", {report, "-f", "a.wp", "-o", "out", "--report", "a.wp"}, 2, {}, {},
         "quorin: --report \"a.wp\" is one of the input files"},
        {"1: nor a file that is not a report", {"-f", "a.wp", "-o", "out", "--report", "notes.txt"}, 2, {}, {},
         "quorin: --report \"notes.txt\" exists and is not a report of quorin: it is left as it is"},
        {"2: two inputs of one output name, overwrite", {report, "-f", "d1/LETTER.WP|d2/LETTER.WP", "-o", "out",
         "--existing", "overwrite"}, 0, {"LETTER.WP converted LETTER.WP_000.rtf", "LETTER.WP converted LETTER.WP.rtf"},
         {"LETTER.WP.rtf", "LETTER.WP_000.rtf"}},
        {"2: two inputs of one output name, skip", {report, "d1/LETTER.WP", "d2/LETTER.WP", "-o", "out",
         "--existing", "skip", "-j", "4"}, 0, {"LETTER.WP converted LETTER.WP_000.rtf", "LETTER.WP converted LETTER.WP.rtf"},
         {"LETTER.WP.rtf", "LETTER.WP_000.rtf"}},
        {"2: two inputs of one output name, documents", {report, "-f", "d1/LETTER.WP|d2/LETTER.WP", "-o", "out", "-w",
         "--existing", "overwrite"}, 0, {"LETTER.WP converted LETTER.WP_000.docx", "LETTER.WP converted LETTER.WP.docx"},
         {"LETTER.WP.docx", "LETTER.WP_000.docx"}, "", {}, engine},
        {"3: only WordPerfect documents of other versions go to LibreOffice",
         {report, "--fallback", "-f", "old.wp|notes.txt|prev.rtf|b.wp", "-o", "out"}, 1,
         {"old.wp converted-by-libreoffice old.wp.rtf", "notes.txt failed ", "prev.rtf failed ", "b.wp converted b.wp.rtf"},
         {"b.wp.rtf", "old.wp.rtf"}, "notes.txt\nDocument is not a WordPerfect 5.X Document!", {}, engine},
        {"4: the summary counts LibreOffice's documents", {"-v", "--to", "docx", "-f", "a.wp", "-o", "out"}, 0, {},
         {"a.wp.docx"}, "1 converted\n", {}, engine},
        {"4: and its failures", {"-v", "--to", "docx", "-f", "a.wp", "-o", "out"}, 1, {}, {"a.wp.rtf"},
         "0 converted, 1 failed\n", {}, {{"QUORIN_SOFFICE", "/bin/false"}}},
        {"6: a name that is not UTF-8", {report, "-f", kLatin1Name, "-o", "out"}, 0,
         {"caf%E9.wp converted caf%E9.wp.rtf"}, {kLatin1Name + ".rtf"}},
        {"7: an input kept for its output", {report, "-f", "a.wp|b.wp", "-o", "out", "--existing", "skip"}, 0,
         {"a.wp skipped-existing a.wp.rtf", "b.wp converted b.wp.rtf"}, {"a.wp.rtf", "b.wp.rtf"}, "", {"a.wp.rtf=kept"}},
        {"8: empty files and links to nothing", {report, "-v", "-f", "empty.wp|gone.wp|a.wp", "-o", "out"}, 1,
         {"empty.wp skipped-empty ", "gone.wp failed ", "a.wp converted a.wp.rtf"}, {"a.wp.rtf"},
         "\"gone.wp\" is a link to nothing: its target does not exist!"},
        {"9: a resumed run replaces what the interrupted one left", {report, "--to", "docx", "-f", "a.wp|b.wp", "-o",
         "out", "--existing", "skip"}, 0, {"a.wp converted a.wp.docx", "b.wp skipped-existing b.wp.docx"},
         {"a.wp.docx", "b.wp.docx"}, "", {"a.wp.rtf=interrupted", "b.wp.docx=done"}, engine},
        {"10: LibreOffice is given short names of our own", {report, "-w", "-f", kLatin1Name, "-o", "out"}, 0,
         {"caf%E9.wp converted caf%E9.wp.docx"}, {kLatin1Name + ".docx"}, "", {}, engine},
        {"11: a row for each document", {report, "--to", "docx,pdf", "-f", "a.wp", "-o", "out"}, 0,
         {"a.wp converted a.wp.docx", "a.wp converted a.wp.pdf"}, {"a.wp.docx", "a.wp.pdf"}, "", {}, engine},
        {"12: a wrong password is told", {report, "-f", "locked.wp", "-o", "out", "--password", "open"}, 1,
         {"locked.wp failed "}, {}, "Document is protected by a password: the password given is wrong!"},
        {"12: an empty password wins over the variable", {"-f", "locked.wp", "-o", "out", "--password", ""}, 1, {}, {},
         "Document is protected by a password!\n", {}, {{"QUORIN_PASSWORD", "sesame"}}},
        {"14: -j names itself", {"-f", "a.wp", "-o", "out", "-j", "-1"}, 2, {}, {},
         "quorin: -j needs a number of files from 1 to 1024"},
        {"14: -j takes an attached value", {"-f", "a.wp", "-o", "out", "-j4"}, 0, {}, {"a.wp.rtf"}},
        {"14: a value that is an option", {"--report", "-f", "a.wp", "-o", "out"}, 2, {}, {},
         "quorin: --report needs a value: \"-f\" is an option"},
        {"15: LibreOffice out of time", {report, "-w", "--timeout", "1", "-f", "a.wp", "-o", "out"}, 1,
         {"a.wp failed a.wp.rtf"}, {"a.wp.rtf"},
         "LibreOffice ran out of time (1 second): \"" + folder / "out/a.wp.rtf" + "\" was not converted!",
         {}, {{"QUORIN_SOFFICE", folder / "hang.sh"}, {"QUORIN_TEST_PID", folder / "hang.pid"}}},
    };
    for (const ArchiveRun& run : runs) {
        SCOPED_TRACE(run.fault);
        MakeArchive(folder);
        fs::remove(folder / "r.csv");
        for (const std::string& file : run.before) {
            fs::create_directories(folder / "out");
            WriteFile(folder / ("out/" + file.substr(0, file.find('='))), file.substr(file.find('=') + 1));
        }
        QuorinRun quorin = RunQuorin(folder.Path(), run.arguments, {}, run.environment);
        EXPECT_EQ(quorin.status, run.status) << quorin.err;
        EXPECT_NE(quorin.err.find(run.err), std::string::npos) << quorin.err;
        if (!run.rows.empty()) {
            EXPECT_EQ(ReportRows(folder / "r.csv"), run.rows);
        }
        EXPECT_EQ(Exists(folder / "out") ? FolderNames(folder / "out") : std::vector<std::string>{}, run.files);
        EXPECT_EQ(ReadFile(folder / "a.wp"), kLetter);
    }
    // The hanging LibreOffice was ended with its process group.
    const pid_t hung = std::stoi(ReadFile(folder / "hang.pid"));
    EXPECT_TRUE(kill(hung, 0) != 0 || Shell("ps -o stat= -p " + std::to_string(hung)).starts_with("Z"));
}

// The report goes through pipes and links to their ends, and is checked
// before anything is converted.
TEST(ArchiveRuns, ReportGoesThroughPipesAndLinks) {
    TemporaryFolder folder;
    MakeArchive(folder);
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0600), 0);
    std::string piped;
    std::thread reader([&] { piped = ReadFile(folder / "fifo"); });
    QuorinRun run = RunQuorin(folder.Path(), {"--report", "fifo", "-f", "a.wp", "-o", "out"});
    reader.join();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ParseCsv(piped).size(), 2u) << piped;
    EXPECT_TRUE(Exists(folder / "fifo"));

    fs::create_directory(folder / "reports");
    fs::create_symlink("reports/r.csv", folder / "link.csv");
    run = RunQuorin(folder.Path(), {"--report", "link.csv", "-f", "b.wp", "-o", "out"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::is_symlink(folder / "link.csv"));
    EXPECT_EQ(ParseCsv(ReadFile(folder / "reports/r.csv")).size(), 2u);
    // An earlier report is replaced; a report among the inputs of -R is not.
    run = RunQuorin(folder.Path(), {"--report", "reports/r.csv", "-f", "a.wp", "-o", "out"});
    EXPECT_EQ(run.status, 0) << run.err;
    run = RunQuorin(folder.Path(), {"--report", "reports/r.csv", "-R", "-f", "reports", "-o", "out2"});
    EXPECT_EQ(run.status, 2);
    EXPECT_FALSE(Exists(folder / "out2"));
    // Process substitution: /dev/fd/N of a pipe.
    std::string substituted = Shell("cd '" + folder.Path() + "' && bash -c \"'" QUORIN_EXECUTABLE "' -f a.wp -o out3 " +
                                    "--report >(cat > sub.csv)\" && sleep 1 && cat sub.csv");
    EXPECT_EQ(ParseCsv(substituted).size(), 2u) << substituted;
}

// A signal ends a filter that waits on standard input at once.
TEST(ArchiveRuns, SignalEndsAFilterWaitingOnStandardInput) {
    TemporaryFolder folder;
    ASSERT_EQ(mkfifo((folder / "never").c_str(), 0600), 0);
    // Opened for reading and writing, the pipe never ends: the read waits.
    const std::vector<std::string> waiting{"/bin/sh", "-c", "exec \"$0\" \"$@\" 0<>never"};
    for (int number : {SIGINT, SIGTERM, SIGHUP}) {
        StartedQuorin started = StartQuorin(folder.Path(), {"-f", "-", "-o", "-"}, {}, {}, waiting);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        kill(started.pid, number);
        // It ends at once; one that goes on waiting is ended and fails the test.
        siginfo_t ended{};
        for (auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
             ended.si_pid == 0 && std::chrono::steady_clock::now() < deadline;) {
            waitid(P_PID, started.pid, &ended, WEXITED | WNOHANG | WNOWAIT);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (ended.si_pid == 0) {
            ADD_FAILURE() << "still waiting on standard input after signal " << number;
            kill(started.pid, SIGKILL);
        }
        QuorinRun run = FinishQuorin(started);
        EXPECT_EQ(run.status, number == SIGINT ? 130 : 128 + number);
        EXPECT_EQ(run.err, "User Canceled!    \n");
        EXPECT_EQ(run.out, "");
    }
}

// Every row of the report names files whose sizes and digests are those on
// disk, for one job and four: inputs of one output name, an input kept for
// its output, failures, and a cancel that leaves the last inputs unreached.
TEST(ArchiveRuns, ReportReadBackMatchesTheFilesOnDisk) {
    TemporaryFolder folder;
    std::string reports[2];
    for (int jobs : {1, 4}) {
        SCOPED_TRACE("-j " + std::to_string(jobs));
        MakeArchive(folder);
        WriteFile(folder / "c.wp", kMemo);
        fs::create_directories(folder / "out");
        WriteFile(folder / "out/a.wp.rtf", "kept from before");
        // The person cancels at the second error (the protected document).
        int errors = 0;
        struct Person : UserMessages {
            std::function<MessageAnswer(const UserMessage&)> answer;
            MessageAnswer Show(const UserMessage& m) override { return answer(m); }
        } person;
        person.answer = [&](const UserMessage& m) {
            if (m.buttons == MessageButtons::kYesNo) return MessageAnswer::kYes;
            return m.buttons == MessageButtons::kOkCancel && ++errors == 2 ? MessageAnswer::kCancel : MessageAnswer::kOk;
        };
        ConversionOptions options;
        CancelRequest cancel;
        BatchServices services{options, cancel, person, nullptr};
        BatchSettings settings{jobs, false, ExistingOutput::kSkip};
        BatchOutcome outcome = ConvertFiles(
            SplitInputList(folder / "d1/LETTER.WP|" + folder / "a.wp|" + folder / "d2/LETTER.WP|" + folder /
                           "notes.txt|" + folder / "empty.wp|" + folder / kLatin1Name + "|" + folder / "b.wp|" +
                           folder / "locked.wp|" + folder / "c.wp"),
            folder / "out", services, settings);
        EXPECT_TRUE(outcome.cancelled);
        BatchReport report(folder / "r.csv");
        ASSERT_EQ(report.Prepare({}, false), "");
        ASSERT_TRUE(report.Write(outcome.files));
        reports[jobs == 1 ? 0 : 1] = ReadFile(folder / "r.csv");

        EXPECT_EQ(ReportRows(folder / "r.csv"),
                  (std::vector<std::string>{"LETTER.WP converted LETTER.WP_000.rtf", "a.wp skipped-existing a.wp.rtf",
                                            "LETTER.WP converted LETTER.WP.rtf", "notes.txt failed ",
                                            "empty.wp skipped-empty ", "caf%E9.wp converted caf%E9.wp.rtf",
                                            "b.wp converted b.wp.rtf", "locked.wp failed ",
                                            "c.wp cancelled "}));
        for (Row row : ParseCsv(reports[jobs == 1 ? 0 : 1])) {
            if (row[0] == "input") continue;
            SCOPED_TRACE(row[0]);
            // The names as they are on disk (the report writes a byte that is not UTF-8 as %XX).
            for (size_t field : {0, 1, 4}) {
                for (size_t at = row[field].find('%'); at != std::string::npos; at = row[field].find('%', at + 1))
                    row[field].replace(at, 3, 1, char(std::stoi(row[field].substr(at + 1, 2), nullptr, 16)));
            }
            EXPECT_EQ(row[5], std::to_string(fs::file_size(row[0])));
            EXPECT_EQ(row[6], Sha256Of(row[0]));
            if (!row[1].empty()) {
                EXPECT_EQ(row[7], std::to_string(fs::file_size(row[1])));
                EXPECT_EQ(row[8], Sha256Of(row[1]));
            }
            if (!row[4].empty()) {
                EXPECT_TRUE(Exists(row[4]));
            }
        }
        // Each converted row's output holds its own input's conversion.
        EXPECT_EQ(ReadFile(folder / "out/LETTER.WP_000.rtf"), WithCrLf(ConvertFile(kLetter)));
        EXPECT_EQ(ReadFile(folder / "out/LETTER.WP.rtf"), WithCrLf(ConvertFile(kMemo)));
        EXPECT_EQ(ReadFile(folder / "out/a.wp.rtf"), "kept from before");
        fs::remove_all(folder / "out");
    }
    EXPECT_EQ(reports[0], reports[1]);
}

}  // namespace
}  // namespace quorin::test
