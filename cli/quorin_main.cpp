#include "cli/quorin_main.h"

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/batch_report.h"
#include "app/batch_summary.h"
#include "cli/cancel_signals.h"
#include "cli/command_line.h"
#include "app/convert_files.h"
#include "app/file_kind.h"
#include "cli/filter_run.h"
#include "app/font_answers.h"
#include "app/message_texts.h"
#include "cli/terminal_console.h"
#include "cli/usage_text.h"
#include "app/word_export.h"

namespace quorin {

namespace {

ConversionOptions OptionsOf(const CommandLine& line) {
    ConversionOptions options;
    options.reverseParentheses = line.reverseParentheses;
    options.reverseTabAlignment = line.reverseTabAlignment;
    options.rightToLeftDocument = line.rightToLeftDocument;
    options.convertToWord = line.convertToWord;
    options.decideDirection = line.decideDirection;
    // The variable keeps the password out of the process list.
    const char* fromEnvironment = std::getenv("QUORIN_PASSWORD");
    options.password = line.passwordGiven ? line.password : fromEnvironment ? fromEnvironment : "";
    return options;
}

// The processors this process may run on.
int ProcessorCount() {
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
    return std::max(1L, sysconf(_SC_NPROCESSORS_ONLN));
}

int RunBatch(const CommandLine& line, ConversionOptions options, CancelRequest& cancel) {
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
    WordExporter word(engine, console, options, cancel, line.exportFormats);
    word.SetTimeout(line.timeout);
    std::unique_ptr<FontResolver> fonts = MakeFontResolver();
    BatchServices services{options, cancel, console, &console, fonts.get(), &word,
                           line.verbose && line.decideDirection ? &directionLines : nullptr};
    BatchSettings settings{line.jobs > 0 ? line.jobs : std::min(ProcessorCount(), kMaxJobs), line.recursive,
                           line.existing, line.verbose, line.fallback};
    BatchOutcome outcome = ConvertFiles(line.inputItems, line.outputFolder, services, settings);
    if (cancel.Requested() && !outcome.cancelled) console.Show(CanceledMessage());
    bool reportFailed = report && !report->Write(outcome.files);
    if (reportFailed) console.Show({report->ErrorText(), "Error!", MessageIcon::kError, MessageButtons::kOk});
    // Scripts reading standard error see only the messages, unless they ask.
    if (line.verbose || isatty(STDERR_FILENO)) std::cerr << SummaryLine(outcome.files) << "\n" << std::flush;
    if (cancel.Requested()) return CancelledStatus();
    return !BatchSucceeded(outcome.files) || exportMissing || reportFailed ? kExitFailed : kExitConverted;
}

// -o -: standard input, or the one file named, converted to standard output.
int RunFilterForm(const CommandLine& line, const ConversionOptions& options, const CancelRequest& cancel) {
    std::unique_ptr<FontResolver> fonts = MakeFontResolver();
    int status;
    if (line.filterInput == "-") {
        status = RunFilter(STDIN_FILENO, STDOUT_FILENO, std::cerr, options, cancel, fonts.get());
    } else {
        const std::string& name = line.filterInput;
        ReasonKind problem = ReasonKind::kNone;
        int input = open(name.c_str(), O_RDONLY | O_CLOEXEC);
        const FileKind kind = input < 0 ? FileKind::kMissing : KindOfOpenFile(input);
        if (input < 0) problem = errno == ENOENT ? ReasonKind::kNotFound : ReasonKind::kOpenInput;
        else if (kind == FileKind::kMissing) problem = ReasonKind::kOpenInput;
        else problem = PassedOverReason(kind);
        if (problem == ReasonKind::kNone) {
            status = RunFilter(input, STDOUT_FILENO, std::cerr, options, cancel, fonts.get(), name);
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
        case CommandLine::kFilter:
            // A read of standard input ends at once on a signal.
            CatchCancelSignals(false);
            return RunFilterForm(line, OptionsOf(line), CancelOnSignal());
        case CommandLine::kBatch:
            CatchCancelSignals();
            return RunBatch(line, OptionsOf(line), CancelOnSignal());
    }
    return kExitUsage;
}

}  // namespace quorin
