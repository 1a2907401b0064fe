#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace quorin {

enum class FileStatus {
    kConverted,
    kFailed,
    kCancelled,
    kConvertedByLibreOffice,  // refused here, converted by the export engine instead
    kSkipped,                 // left alone because its output exists (--existing skip)
};

enum class FileDirection { kNone, kLeftToRight, kRightToLeft };

// What became of one input of a batch: a file found, or a name that matched
// nothing. Every input gets exactly one record, also when the batch was
// cancelled before reaching it.
struct FileRecord {
    size_t sequence = 0;  // the input's place in discovery order
    std::string input;    // the path as the batch names it; for a name that matched nothing, the name
    std::string output;   // the output written; empty when none was
    FileStatus status = FileStatus::kFailed;
    std::string message;  // the text of the message shown for it; empty when none was
    std::string backup;   // where an earlier output of the same name was moved; empty when nowhere
    FileDirection direction = FileDirection::kNone;  // how it was converted; kNone when it was not
    // With an export (-w, --to): the documents written in place of the RTF
    // output, one a format; `output` names the first, and `backups` holds
    // the backup names given to earlier documents of those names.
    std::vector<std::string> documents;
    std::vector<std::string> backups;
    bool locked = false;  // failed because it is protected by a password not given or wrong
};

// Told of every input of a batch as its fate is settled. Records of files
// arrive in discovery order, except that files handed to the export engine
// are told of when their export has settled, before the batch ends; those of names that matched nothing arrive
// while the batch discovers its files, so a listing in discovery order sorts
// by sequence. Called on the batch's thread.
class BatchObserver {
public:
    virtual ~BatchObserver() = default;
    virtual void OnFile(const FileRecord& record) = 0;
};

}  // namespace quorin
