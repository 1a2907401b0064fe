#include "app/quorin_main.h"

#include <sched.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <iostream>
#include <string>
#include <vector>

#include "app/batch_report.h"
#include "app/command_line.h"
#include "app/convert_files.h"
#include "app/filter_run.h"
#include "app/input_list.h"
#include "app/font_answers.h"
#include "app/terminal_console.h"
#include "app/usage_text.h"
#include "app/word_export.h"

namespace quorin {

namespace {

// Ctrl-C is the Cancel button with its confirmation answered yes. The
// handler only stores to the lock-free atomic, which is signal-safe.
std::atomic<int>* cancelRequest = nullptr;

void OnInterrupt(int) {
    if (cancelRequest) cancelRequest->store(1, std::memory_order_relaxed);
}

void CancelOnInterrupt(ConversionOptions& options) {
    static_assert(std::atomic<int>::is_always_lock_free);
    cancelRequest = &options.cancelRequest;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
}

ConversionOptions& OptionsOf(const CommandLine& line) {
    static ConversionOptions options;
    options.reverseParentheses = line.reverseParentheses;
    options.reverseTabAlignment = line.reverseTabAlignment;
    options.rightToLeftDocument = line.rightToLeftDocument;
    options.convertToWord = line.convertToWord;
    options.decideDirection = line.decideDirection;
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
    }
    ObserverList observers;
    std::unique_ptr<BatchReport> report;
    if (!line.report.empty()) observers.Add(*(report = std::make_unique<BatchReport>(line.report)));
    DirectionLines directionLines(console);
    if (line.verbose && line.decideDirection) observers.Add(directionLines);
    WordExporter word(engine, console, options, line.exportFormats, &observers);
    std::unique_ptr<FontResolver> fonts = MakeFontResolver();
    BatchServices services{options, console, &console, fonts.get(), &word, &observers};
    BatchSettings settings{line.jobs > 0 ? line.jobs : std::min(ProcessorCount(), kMaxJobs), line.recursive,
                           line.fallback};
    BatchOutcome outcome = ConvertFiles(SplitInputList(line.inputList), line.outputFolder, services, settings);
    bool reportFailed = report && !report->Finish();
    if (reportFailed) console.Show({report->ErrorText(), "Error!", MessageIcon::kError, MessageButtons::kOk});
    if (outcome.cancelled || options.CancelRequested()) return kExitCancelled;
    return outcome.anyFailed || outcome.result != 0 || exportMissing || reportFailed ? kExitFailed : kExitConverted;
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
            CancelOnInterrupt(options);
            std::unique_ptr<FontResolver> fonts = MakeFontResolver();
            return RunFilter(STDIN_FILENO, STDOUT_FILENO, std::cerr, options, fonts.get());
        }
        case CommandLine::kBatch: {
            ConversionOptions& options = OptionsOf(line);
            CancelOnInterrupt(options);
            return RunBatch(line, options);
        }
    }
    return kExitUsage;
}

}  // namespace quorin
