#include "app/command_line.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace quorin {

namespace {

const std::set<std::string> kValueOptions{"f", "o", "j",
                                          "-report", "-to"};  // archives
const std::set<std::string> kFlagOptions{"p", "t", "r", "w", "R", "h", "?",
                                         "a", "-fallback", "v"};  // archives

// The value of -j: a whole number of at least 1; 0 when it is anything else.
int JobCount(const std::string& value) {
    int jobs = 0;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), jobs);
    return error == std::errc() && end == value.data() + value.size() && jobs >= 1 && jobs <= kMaxJobs ? jobs : 0;
}

// The options for archives: --report, -a, --to, --fallback, -v. Returns the
// problem with them, if any.
std::string ReadArchiveOptions(const CCommandLineInfoEx& info, CommandLine& line) {
    line.report = info.Value("-report");
    line.decideDirection = info.Has("a");
    line.fallback = info.Has("-fallback");
    line.verbose = info.Has("v");
    if (line.convertToWord) line.exportFormats = {ExportFormat::kDocx};
    if (info.Has("-to")) {
        std::vector<ExportFormat> formats;
        if (!ParseExportFormats(info.Value("-to"), formats)) return "--to needs formats from docx, odt and pdf, as in --to docx,pdf";
        for (ExportFormat format : formats)
            if (std::find(line.exportFormats.begin(), line.exportFormats.end(), format) == line.exportFormats.end())
                line.exportFormats.push_back(format);
        line.convertToWord = 1;
    }
    bool filter = line.inputList == "-" || line.outputFolder == "-";
    if (info.Has("-report") && (line.report.empty() || line.report == "TRUE")) return "--report needs a file name (- for standard output)";
    if (filter && info.Has("-report")) return "--report needs input files and an output folder";
    if (filter && info.Has("-to")) return "--to needs an output folder";
    if (filter && line.fallback) return "--fallback needs an output folder";
    return {};
}

}  // namespace

// Only -f, -o and -j take values: a plain argument after a flag is an input
// name, not a value that would be dropped.
void CCommandLineInfoEx::ParseParam(const std::string& argument, bool isOption) {
    if (isOption) {
        options_[argument] = "TRUE";
        pending_ = kValueOptions.count(argument) ? argument : std::string();
    } else if (!pending_.empty()) {
        options_[pending_] = argument;
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
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
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
        } else if (std::string name = argument.substr(1); kValueOptions.count(name) || kFlagOptions.count(name)) {
            info.ParseParam(name, true);
        } else {
            line.action = CommandLine::kUsageError;
            line.problem = "unknown option " + argument;
            return line;
        }
    }
    if (info.Has("h") || info.Has("?")) return line;

    line.inputList = info.Value("f");
    for (const std::string& name : info.Plain())
        line.inputList += (line.inputList.empty() ? "" : "|") + name;
    line.outputFolder = info.Value("o");
    line.reverseParentheses = info.Has("p");
    line.reverseTabAlignment = info.Has("t");
    line.rightToLeftDocument = info.Has("r");
    line.convertToWord = info.Has("w");
    line.recursive = info.Has("R");
    if (info.Has("j")) line.jobs = JobCount(info.Value("j"));
    std::string archiveProblem = ReadArchiveOptions(info, line);

    line.action = CommandLine::kUsageError;
    bool standardInput = line.inputList == "-", standardOutput = line.outputFolder == "-";
    if (line.inputList.empty()) line.problem = "no input files (-f)";
    else if (line.outputFolder.empty()) line.problem = "no output folder (-o)";
    else if (standardInput != standardOutput) line.problem = "standard input and output go together: -f - -o -";
    else if (!archiveProblem.empty()) line.problem = archiveProblem;
    else if (standardInput && line.convertToWord) line.problem = "-w needs an output folder";
    else if (standardInput && line.recursive) line.problem = "-R needs input files and an output folder";
    else if (info.Has("j") && line.jobs == 0) line.problem = "-j needs a number of files from 1 to " + std::to_string(kMaxJobs);
    else line.action = standardInput ? CommandLine::kFilter : CommandLine::kBatch;
    return line;
}

}  // namespace quorin
