#include "app/message_texts.h"

#include "app/display_path.h"

namespace quorin::texts {

namespace {

std::string Quoted(const std::string& path) { return "\"" + DisplayPath(path) + "\""; }

}  // namespace

std::string WithPath(const std::string& path, const std::string& text) { return DisplayPath(path) + "\n" + text; }

std::string CantFindFiles(const std::string& item) { return "Can't find file(s) " + Quoted(item) + "!\n"; }

std::string ErrorOpeningFile(const std::string& path) { return "Error opening file " + Quoted(path) + "!"; }

std::string ErrorWritingToFile(const std::string& path) { return "Error writing to file " + Quoted(path) + "!"; }

std::string ErrorBackingUpFile(const std::string& output, const std::string& input) {
    return "Error backing up file: " + Quoted(output) + "!\nSkipping file: " + Quoted(input) + "!";
}

std::string ErrorWhileConverting(const std::string& path) {
    return "An error has occured while converting " + Quoted(path) + "!";
}

std::string IsAFolder(const std::string& path) {
    return Quoted(path) + " is a folder: -R converts the files in its tree!\n";
}

std::string IsEmpty(const std::string& path) { return Quoted(path) + " is empty: there is nothing to convert!\n"; }

std::string NotARegularFile(const std::string& path) {
    return Quoted(path) + " is not a regular file: -f - reads standard input!\n";
}

std::string OutputKeptSkipping(const std::string& output, const std::string& input) {
    return "Output file exists: " + Quoted(output) + "!\nSkipping file: " + Quoted(input) + "!";
}

// Counts of nothing are left out, but for the files converted.
std::string SummaryLine(const SummaryCounts& counts) {
    std::string line = std::to_string(counts.converted) + " converted";
    auto add = [&](int count, const char* what) {
        if (count > 0) line += ", " + std::to_string(count) + " " + what;
    };
    add(counts.failed, "failed");
    add(counts.empty, "skipped (empty)");
    add(counts.kept, "skipped (output exists)");
    add(counts.locked, "protected");
    add(counts.cancelled, "not converted (cancelled)");
    return line;
}

}  // namespace quorin::texts
