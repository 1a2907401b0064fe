#include "cli/command_line.h"

#include <algorithm>
#include <charconv>

#include "app/exit_status.h"
#include "app/input_list.h"

namespace quorin {

namespace {

const std::set<std::string> kValueOptions{"f", "o", "j"};
const std::set<std::string> kFlagOptions{"p", "t", "r", "w", "R", "v", "h", "?",
                                         "a", "-fallback"};  // archives
// Options spelled out, each with a value: "--name VALUE" or "--name=VALUE".
const std::set<std::string> kLongValueOptions{"password", "existing",
                                              "report", "to", "timeout"};  // archives
// Long options whose value is never one that begins with "-" (a report to
// standard output is "-" alone).
const std::set<std::string> kPlainValueOptions{"existing", "report", "to", "timeout"};

// A whole number from 1 to `most`; 0 when the value is anything else.
int WholeNumber(const std::string& value, int most) {
    int number = 0;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    return error == std::errc() && end == value.data() + value.size() && number >= 1 && number <= most ? number : 0;
}

bool ExistingPolicy(const std::string& value, ExistingOutput& policy) {
    if (value == "backup") policy = ExistingOutput::kBackup;
    else if (value == "overwrite") policy = ExistingOutput::kOverwrite;
    else if (value == "skip") policy = ExistingOutput::kSkip;
    else return false;
    return true;
}

// What the values of -f and -o make of the line: a batch, the filter form,
// or the problem that keeps it from running.
void Settle(CommandLine& line, const CCommandLineInfoEx& info) {
    line.action = CommandLine::kUsageError;
    bool standardOutput = line.outputFolder == "-";
    bool standardInput = line.inputItems.size() == 1 && line.inputItems[0] == "-";
    if (info.Has("o") && !info.HasValue("o")) line.problem = "-o needs an output folder";
    else if (line.inputItems.empty()) line.problem = "no input files (-f)";
    else if (line.outputFolder.empty()) line.problem = "no output folder (-o)";
    else if (standardInput && !standardOutput) line.problem = "standard input and output go together: -f - -o -";
    else if (standardOutput && line.inputItems.size() != 1) line.problem = "-o - converts one file";
    else if (standardOutput && line.convertToWord) line.problem = "-w needs an output folder";
    else if (standardOutput && line.recursive) line.problem = "-R needs input files and an output folder";
    else if (info.Has("j") && line.jobs == 0) line.problem = "-j needs a number of files from 1 to " + std::to_string(kMaxJobs);
    else if (line.timeout == 0) line.problem = "--timeout needs a number of seconds from 1 to " + std::to_string(kMaxTimeout);
    else line.action = standardOutput ? CommandLine::kFilter : CommandLine::kBatch;
    if (line.action == CommandLine::kFilter) line.filterInput = line.inputItems[0];
}

// The options for archives: --report, -a, --to, --fallback. Returns the
// problem with them, if any.
std::string ReadArchiveOptions(const CCommandLineInfoEx& info, std::map<std::string, std::string>& longValues,
                               CommandLine& line) {
    const bool hasReport = longValues.count("report") > 0, hasTo = longValues.count("to") > 0;
    line.report = hasReport ? longValues["report"] : "";
    line.decideDirection = info.Has("a");
    line.fallback = info.Has("-fallback");
    if (line.convertToWord) line.exportFormats = {ExportFormat::kDocx};
    if (hasTo) {
        std::vector<ExportFormat> formats;
        if (!ParseExportFormats(longValues["to"], formats)) return "--to needs formats from docx, odt and pdf, as in --to docx,pdf";
        for (ExportFormat format : formats)
            if (std::find(line.exportFormats.begin(), line.exportFormats.end(), format) == line.exportFormats.end())
                line.exportFormats.push_back(format);
        line.convertToWord = 1;
    }
    bool filter = line.outputFolder == "-";
    if (hasReport && line.report.empty()) return "--report needs a file name (- for standard output)";
    if (filter && hasReport) return "--report needs input files and an output folder";
    if (filter && hasTo) return "--to needs an output folder";
    if (filter && line.fallback) return "--fallback needs an output folder";
    return {};
}

}  // namespace

// Only -f, -o and -j take values: a plain argument after a flag is an input
// name, not a value that would be dropped.
void CCommandLineInfoEx::ParseParam(const std::string& argument, bool isOption) {
    if (isOption) {
        options_[argument] = "TRUE";
        valued_.erase(argument);
        pending_ = kValueOptions.count(argument) ? argument : std::string();
    } else if (!pending_.empty()) {
        options_[pending_] = argument;
        valued_.insert(pending_);
        pending_.clear();
    } else {
        plain_.push_back(argument);
    }
}

std::string CCommandLineInfoEx::Value(const std::string& name) const {
    auto found = options_.find(name);
    return found == options_.end() ? std::string() : found->second;
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    if (arguments.empty()) return line;
    CCommandLineInfoEx info;
    std::map<std::string, std::string> longValues;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::string longName = argument.starts_with("--") ? argument.substr(2, argument.find('=') - 2) : "";
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            info.ParseParam(argument, false);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help") {
            line.action = CommandLine::kHelp;
            return line;
        } else if (argument == "--version") {
            line.action = CommandLine::kVersion;
            return line;
        } else if (kLongValueOptions.count(longName)) {
            // The value is the next argument: a password may begin with "-",
            // the others' values never do, so that a forgotten value is not
            // taken from the next option.
            const bool attached = argument.find('=') != std::string::npos;
            std::string problem;
            if (!attached && i + 1 == arguments.size()) problem = "--" + longName + " needs a value";
            std::string value = attached ? argument.substr(argument.find('=') + 1) : problem.empty() ? arguments[++i] : "";
            if (kPlainValueOptions.count(longName) && value.size() > 1 && value[0] == '-')
                problem = "--" + longName + " needs a value: \"" + value + "\" is an option";
            if (!problem.empty()) {
                line.action = CommandLine::kUsageError;
                line.problem = problem;
                return line;
            }
            longValues[longName] = value;
        } else if (argument.starts_with("-j") && argument.size() > 2) {
            // -jN, as GNU tools take an attached value.
            info.ParseParam("j", true);
            info.ParseParam(argument.substr(2), false);
        } else if (argument == "-j" && i + 1 < arguments.size()) {
            // Its value whatever it looks like, so that -j -1 is told what -j needs.
            info.ParseParam("j", true);
            info.ParseParam(arguments[++i], false);
        } else if (std::string name = argument.substr(1); kValueOptions.count(name) || kFlagOptions.count(name)) {
            info.ParseParam(name, true);
        } else {
            line.action = CommandLine::kUsageError;
            line.problem = "unknown option " + argument;
            return line;
        }
    }
    if (info.Has("h") || info.Has("?")) return line;

    // "|" separates the names typed as the value of -f; every other argument
    // is one name as the shell passed it.
    if (info.Has("f")) line.inputItems = SplitInputList(info.Value("f"));
    for (const std::string& name : info.Plain()) line.inputItems.push_back(name);
    line.outputFolder = info.HasValue("o") ? info.Value("o") : "";
    line.reverseParentheses = info.Has("p");
    line.reverseTabAlignment = info.Has("t");
    line.rightToLeftDocument = info.Has("r");
    line.convertToWord = info.Has("w");
    line.recursive = info.Has("R");
    line.verbose = info.Has("v");
    if (info.Has("j")) line.jobs = WholeNumber(info.Value("j"), kMaxJobs);
    if (longValues.count("timeout")) line.timeout = WholeNumber(longValues["timeout"], kMaxTimeout);
    line.passwordGiven = longValues.count("password") > 0;
    if (line.passwordGiven) line.password = longValues["password"];
    if (longValues.count("existing") && !ExistingPolicy(longValues["existing"], line.existing)) {
        line.action = CommandLine::kUsageError;
        line.problem = "--existing takes backup, overwrite or skip";
        return line;
    }
    Settle(line, info);
    if (line.action != CommandLine::kUsageError) {
        if (std::string problem = ReadArchiveOptions(info, longValues, line); !problem.empty()) {
            line.action = CommandLine::kUsageError;
            line.problem = problem;
        }
    }
    return line;
}

}  // namespace quorin
