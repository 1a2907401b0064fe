#pragma once
#include <map>
#include <string>
#include <vector>

#include "app/word_export.h"

namespace quorin {

// The command line as options and values: an option ("-" and a name) is
// recorded with the value "TRUE" and, when it takes a value (-f, -o, -j), the
// next argument that is not an option becomes its value. Names are compared
// exactly, case included. A lone "-" is a value (standard input or output).
class CCommandLineInfoEx {
public:
    void ParseParam(const std::string& argument, bool isOption);

    bool Has(const std::string& name) const { return options_.count(name) > 0; }
    std::string Value(const std::string& name) const;
    // Arguments that no option took as its value, in order.
    const std::vector<std::string>& Plain() const { return plain_; }

private:
    std::map<std::string, std::string> options_;
    std::string pending_;
    std::vector<std::string> plain_;
};

// The most files -j converts at once.
constexpr int kMaxJobs = 1024;

struct CommandLine {
    enum Action { kUsage, kUsageError, kHelp, kVersion, kFilter, kBatch };
    Action action = kUsage;
    std::string problem;     // for kUsageError
    std::string inputList;   // "|"-separated input names
    std::string outputFolder;
    int reverseParentheses = 0;
    int reverseTabAlignment = 0;
    int rightToLeftDocument = 0;
    int convertToWord = 0;
    bool recursive = false;  // -R
    int jobs = 0;            // -j N; 0: as many as there are processors
    // Archives.
    std::string report;                       // --report FILE; "-" for standard output
    bool decideDirection = false;             // -a
    std::vector<ExportFormat> exportFormats;  // -w (docx) and --to
    bool fallback = false;                    // --fallback
    bool verbose = false;                     // -v
};

// Reads the arguments (without the program name).
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace quorin
