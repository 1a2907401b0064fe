#include "app/message_texts.h"

#include "app/display_path.h"
#include "core/convert_document.h"

namespace quorin::texts {

namespace {

std::string Quoted(const std::string& path) { return "\"" + DisplayPath(path) + "\""; }

}  // namespace

std::string Line(const std::string& text) { return text.ends_with('\n') ? text : text + "\n"; }

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

std::string BrokenLink(const std::string& path) {
    return Quoted(path) + " is a link to nothing: its target does not exist!\n";
}

std::string ExportFailed(const std::string& document, const std::string& path) {
    return "Error converting to " + document + ": " + Quoted(path) + "!";
}

std::string ExportTimedOut(const std::string& path, long seconds) {
    return "LibreOffice ran out of time (" + std::to_string(seconds) + (seconds == 1 ? " second): " : " seconds): ") +
           Quoted(path) +
           " was not converted!";
}

std::string ReasonWords(const Reason& reason) {
    const std::string& path = reason.path;
    switch (reason.kind) {
        case ReasonKind::kNone: return {};
        case ReasonKind::kNotFound:
        case ReasonKind::kVanished: return CantFindFiles(path);
        case ReasonKind::kBrokenLink: return BrokenLink(path);
        case ReasonKind::kFolder: return IsAFolder(path);
        case ReasonKind::kNotRegularFile: return NotARegularFile(path);
        case ReasonKind::kEmpty: return IsEmpty(path);
        case ReasonKind::kUnreadableFolder:
        case ReasonKind::kOpenInput: return ErrorOpeningFile(path);
        case ReasonKind::kOutOfMemory: return kNotEnoughMemory;
        case ReasonKind::kRaised: return ErrorWhileConverting(path);
        case ReasonKind::kNotWordPerfect: return RefusalText(Refusal::kNotWordPerfect);
        case ReasonKind::kNotStandard: return RefusalText(Refusal::kNotStandard);
        case ReasonKind::kErrorInFile: return RefusalText(Refusal::kErrorInFile);
        case ReasonKind::kProtected: return RefusalText(Refusal::kProtected);
        case ReasonKind::kWrongPassword: return RefusalText(Refusal::kWrongPassword);
        case ReasonKind::kOutputNotPrepared:
        case ReasonKind::kWriteOutput: return ErrorWritingToFile(path);
        case ReasonKind::kBackup: return ErrorBackingUpFile(path, reason.other);
        case ReasonKind::kExport: return ExportFailed(reason.other, path);
        case ReasonKind::kExportTimedOut: return ExportTimedOut(path, reason.number);
        case ReasonKind::kOutputExists: return OutputKeptSkipping(path, reason.other);
    }
    return {};
}

// The reasons whose words name the path themselves are shown alone; the
// others follow the path on a line of its own.
std::string ReasonText(const Reason& reason) {
    switch (reason.kind) {
        case ReasonKind::kNone:
        case ReasonKind::kNotFound:
        case ReasonKind::kVanished:
        case ReasonKind::kBrokenLink:
        case ReasonKind::kFolder:
        case ReasonKind::kNotRegularFile:
        case ReasonKind::kEmpty:
        case ReasonKind::kRaised:
        case ReasonKind::kOutputExists: return ReasonWords(reason);
        default: return WithPath(reason.path, ReasonWords(reason));
    }
}

const char* CaptionOf(const Reason& reason) {
    switch (reason.kind) {
        case ReasonKind::kOutOfMemory: return kMemoryCaption;
        case ReasonKind::kOutputExists: return kNoticeCaption;
        default: return kErrorCaption;
    }
}

std::string OutputKeptSkipping(const std::string& output, const std::string& input) {
    return "Output file exists: " + Quoted(output) + "!\nSkipping file: " + Quoted(input) + "!";
}

// Counts of nothing are left out, but for the files converted.
std::string NotCarried(const ConversionNotes& notes) {
    // Singular and plural of each kind, in the box code's order; lines hold
    // nothing to carry.
    static constexpr const char* kNames[kBoxKinds][2] = {
        {"figure", "figures"},   {"table box", "table boxes"}, {"text box", "text boxes"},
        {"user box", "user boxes"}, {"equation", "equations"}, {"horizontal line", "horizontal lines"},
        {"vertical line", "vertical lines"}};
    std::string text;
    for (int kind = 0; kind < kBoxKinds; ++kind) {
        const int count = notes.boxesNotConverted[kind];
        if (count == 0) continue;
        if (!text.empty()) text += ", ";
        text += std::to_string(count) + " " + kNames[kind][count == 1 ? 0 : 1];
    }
    return text.empty() ? text : text + " not converted";
}

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
