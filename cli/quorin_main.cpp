#include "cli/quorin_main.h"

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/batch_report.h"
#include "app/batch_summary.h"
#include "cli/command_line.h"
#include "app/convert_files.h"
#include "cli/filter_run.h"
#include "app/font_answers.h"
#include "app/message_texts.h"
#include "cli/terminal_console.h"
#include "cli/usage_text.h"
#include "app/word_export.h"

namespace quorin {

namespace {

// Ctrl-C (SIGINT), SIGTERM (kill, timeout, systemd) and SIGHUP (the terminal
// closed) are the Cancel button with its confirmation answered yes: the run
// cleans up as a cancel and exits with 128 + the signal's number. The handler
// only stores to lock-free atomics, which is signal-safe.
std::atomic<int>* cancelRequest = nullptr;
std::atomic<int> cancelSignal{0};

void OnCancelSignal(int number) {
    int none = 0;
    cancelSignal.compare_exchange_strong(none, number, std::memory_order_relaxed);
    if (cancelRequest) cancelRequest->store(1, std::memory_order_relaxed);
}

// restart: interrupted system calls go on (the batch); without it, a read
// of standard input ends at once (the filter form).
void CancelOnSignals(ConversionOptions& options, bool restart) {
    static_assert(std::atomic<int>::is_always_lock_free);
    cancelRequest = &options.cancelRequest;
    struct sigaction action {};
    action.sa_handler = OnCancelSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = restart ? SA_RESTART : 0;
    for (int number : {SIGINT, SIGTERM, SIGHUP}) sigaction(number, &action, nullptr);
}

// The exit status of a cancelled run: that of the signal that cancelled it.
int CancelledStatus() {
    int number = cancelSignal.load(std::memory_order_relaxed);
    return number == 0 || number == SIGINT ? kExitCancelled : 128 + number;
}

ConversionOptions& OptionsOf(const CommandLine& line) {
    static ConversionOptions options;
    options.reverseParentheses = line.reverseParentheses;
    options.reverseTabAlignment = line.reverseTabAlignment;
    options.rightToLeftDocument = line.rightToLeftDocument;
    options.convertToWord = line.convertToWord;
    options.decideDirection = line.decideDirection;
    // The variable keeps the password out of the process list.
    const char* fromEnvironment = std::getenv("QUORIN_PASSWORD");
    options.password = line.passwordGiven ? line.password : fromEnvironment ? fromEnvironment : "";
    options.cancelRequest = 0;
    return options;
}

// The processors this process may run on.
int ProcessorCount() {
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
    return std::max(1L, sysconf(_SC_NPROCESSORS_ONLN));
}

int RunBatch(const CommandLine& line, ConversionOptions& options) {
    TerminalConsole& console = StandardErrorConsole();
    std::string engine;
    bool exportMissing = false;
    if (options.convertToWord || line.fallback) {
        engine = FindWordEngine();
        if (engine.empty() && options.convertToWord) {
            // The RTF files are still written; the run fails in the end.
            options.convertToWord = 0;
            exportMissing = true;
            console.Show(WordUnavailableMessage(line.exportFormats, WordEngineTurnedOff()));
        }
        if (engine.empty() && line.fallback) console.Show(FallbackUnavailableMessage(WordEngineTurnedOff()));
    }
    std::unique_ptr<BatchReport> report;
    if (!line.report.empty()) {
        report = std::make_unique<BatchReport>(line.report);
        if (std::string problem = report->Prepare(line.inputItems, line.recursive); !problem.empty()) {
            std::cerr << "quorin: " << problem << "\n" << UsageText();
            return kExitUsage;
        }
    }
    DirectionLines directionLines(console);
    WordExporter word(engine, console, options, line.exportFormats);
    word.SetTimeout(line.timeout);
    std::unique_ptr<FontResolver> fonts = MakeFontResolver();
    BatchServices services{options, console, &console, fonts.get(), &word,
                           line.verbose && line.decideDirection ? &directionLines : nullptr};
    BatchSettings settings{line.jobs > 0 ? line.jobs : std::min(ProcessorCount(), kMaxJobs), line.recursive,
                           line.existing, line.verbose, line.fallback};
    BatchOutcome outcome = ConvertFiles(line.inputItems, line.outputFolder, services, settings);
    if (options.CancelRequested() && !outcome.cancelled) console.Show(CanceledMessage());
    bool reportFailed = report && !report->Write(outcome.files);
    if (reportFailed) console.Show({report->ErrorText(), "Error!", MessageIcon::kError, MessageButtons::kOk});
    // Scripts reading standard error see only the messages, unless they ask.
    if (line.verbose || isatty(STDERR_FILENO)) std::cerr << SummaryLine(outcome.files) << "\n" << std::flush;
    if (options.CancelRequested()) return CancelledStatus();
    return !BatchSucceeded(outcome.files) || exportMissing || reportFailed ? kExitFailed : kExitConverted;
}

// -o -: standard input, or the one file named, converted to standard output.
int RunFilterForm(const CommandLine& line, ConversionOptions& options) {
    std::unique_ptr<FontResolver> fonts = MakeFontResolver();
    int status;
    if (line.filterInput == "-") {
        status = RunFilter(STDIN_FILENO, STDOUT_FILENO, std::cerr, options, fonts.get());
    } else {
        const std::string& name = line.filterInput;
        ReasonKind problem = ReasonKind::kNone;
        int input = open(name.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat info {};
        if (input < 0) problem = errno == ENOENT ? ReasonKind::kNotFound : ReasonKind::kOpenInput;
        else if (fstat(input, &info) != 0) problem = ReasonKind::kOpenInput;
        else if (S_ISDIR(info.st_mode)) problem = ReasonKind::kFolder;
        else if (!S_ISREG(info.st_mode)) problem = ReasonKind::kNotRegularFile;
        else if (info.st_size == 0) problem = ReasonKind::kEmpty;
        if (problem == ReasonKind::kNone) {
            status = RunFilter(input, STDOUT_FILENO, std::cerr, options, fonts.get(), name);
        } else {
            std::cerr << texts::Line(texts::ReasonWords({problem, name}));
            status = kExitFailed;
        }
        if (input >= 0) close(input);
    }
    return status == kExitCancelled ? CancelledStatus() : status;
}

}  // namespace

int RunQuorin(int argc, char** argv) {
    CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action) {
        case CommandLine::kUsage:
            std::cout << UsageText();
            return kExitConverted;
        case CommandLine::kHelp:
            std::cout << HelpText();
            return kExitConverted;
        case CommandLine::kVersion:
            std::cout << VersionText();
            return kExitConverted;
        case CommandLine::kUsageError:
            std::cerr << "quorin: " << line.problem << "\n" << UsageText();
            return kExitUsage;
        case CommandLine::kFilter: {
            ConversionOptions& options = OptionsOf(line);
            CancelOnSignals(options, false);
            return RunFilterForm(line, options);
        }
        case CommandLine::kBatch: {
            ConversionOptions& options = OptionsOf(line);
            CancelOnSignals(options, true);
            return RunBatch(line, options);
        }
    }
    return kExitUsage;
}

}  // namespace quorin
