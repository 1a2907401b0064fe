#pragma once
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace quorin {

// What became of one input of a batch.
enum class FileStatus {
    kConverted,               // its output (or the documents of -w, --to) written
    kConvertedByLibreOffice,  // refused here for its version, written by LibreOffice instead
    kFailed,                  // the reason says why
    kSkippedExisting,         // left alone: its output existed before the batch (--existing skip)
    kSkippedEmpty,            // an empty file: nothing to convert
    kCancelled,               // never reached: the batch was cancelled
};

// Why an input failed or was passed over. Its words come from the message
// catalogue (ReasonText).
enum class ReasonKind {
    kNone,
    kNotFound,          // a name that matches nothing
    kVanished,          // found, and gone at its turn
    kBrokenLink,        // a link whose target does not exist
    kFolder,            // a folder named without -R
    kNotRegularFile,    // a pipe or a device
    kEmpty,             // an empty file
    kUnreadableFolder,  // a folder of the tree that cannot be read (-R)
    kOpenInput,         // the input cannot be opened
    kOutOfMemory,
    kRaised,            // any other failure while reading or converting
    kNotWordPerfect,    // refusals of the conversion
    kNotStandard,
    kErrorInFile,
    kProtected,         // protected by a password not given
    kWrongPassword,     // protected by another password than the one given
    kOutputNotPrepared, // the output's folder or name cannot be made
    kWriteOutput,       // writing the output failed
    kBackup,            // no backup name, or the rename failed
    kExport,            // LibreOffice did not write a document
    kExportTimedOut,    // LibreOffice ran out of time
    kOutputExists,      // --existing skip: the output stood in
};

struct Reason {
    Reason() = default;
    Reason(ReasonKind kind, std::string path, std::string other = {}, long number = 0)
        : kind(kind), path(std::move(path)), other(std::move(other)), number(number) {}

    ReasonKind kind = ReasonKind::kNone;
    std::string path;   // what it concerns: the input, its output, the name typed
    std::string other;  // a second path (the input of a backup error), or what was asked of LibreOffice
    long number = 0;    // the OS error, or the time limit in seconds
};

enum class FileDirection { kNone, kLeftToRight, kRightToLeft };

// A file written for an input, and where an earlier file of its name went.
struct WrittenFile {
    std::string path;
    std::string backup;  // empty when nothing was moved
};

// The one outcome of one input: a file found, or a name that matched nothing.
// Decided where the fact is known and read unchanged by the report, the
// summary line, the messages, the -v lines, the exit status and the window.
struct FileOutcome {
    FileOutcome() = default;
    FileOutcome(size_t sequence, std::string input, FileStatus status = FileStatus::kFailed, Reason reason = {},
                std::vector<WrittenFile> written = {})
        : sequence(sequence), input(std::move(input)), status(status), reason(std::move(reason)),
          written(std::move(written)) {}

    size_t sequence = 0;  // the input's place in discovery order
    std::string input;    // the path as the batch names it; for a name that matched nothing, the name
    FileStatus status = FileStatus::kFailed;
    Reason reason;        // for kFailed, kSkippedExisting, kSkippedEmpty
    // The files written, in the order of --to (the RTF file without it); for
    // kSkippedExisting the output that stood in.
    std::vector<WrittenFile> written;
    std::string inputNow;  // where the input lives at the end, when its own output moved it
    FileDirection direction = FileDirection::kNone;  // how it was converted; kNone when it was not
};

// Told of every input of a batch as its fate is settled, on the batch's
// thread. Files handed to LibreOffice are told of when their export has
// settled, before the batch ends; names that match nothing while the batch
// discovers its files.
class BatchObserver {
public:
    virtual ~BatchObserver() = default;
    virtual void OnFile(const FileOutcome& outcome) = 0;
};

}  // namespace quorin
