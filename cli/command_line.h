#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/existing_output.h"
#include "app/exit_status.h"
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
    // Whether the option was given a value of its own (not only "TRUE").
    bool HasValue(const std::string& name) const { return valued_.count(name) > 0; }
    std::string Value(const std::string& name) const;
    // Arguments that no option took as its value, in order.
    const std::vector<std::string>& Plain() const { return plain_; }

private:
    std::map<std::string, std::string> options_;
    std::set<std::string> valued_;
    std::string pending_;
    std::vector<std::string> plain_;
};

struct CommandLine {
    enum Action { kUsage, kUsageError, kHelp, kVersion, kFilter, kBatch };
    Action action = kUsage;
    std::string problem;                  // for kUsageError
    std::vector<std::string> inputItems;  // names or patterns: -f split at "|", then plain arguments
    std::string outputFolder;
    std::string filterInput;              // -o -: "-" for standard input, else the one file named
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
    ExistingOutput existing = ExistingOutput::kBackup;
    std::string password;         // --password
    bool passwordGiven = false;   // --password given, even empty: it wins over QUORIN_PASSWORD
    int timeout = kDefaultTimeout;  // --timeout: the seconds one LibreOffice run may take
};

// Reads the arguments (without the program name).
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace quorin
