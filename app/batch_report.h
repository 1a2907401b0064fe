#pragma once
#include <string>
#include <vector>

#include "app/file_outcome.h"
#include "app/user_messages.h"

namespace quorin {

// The CSV report of a batch (--report): RFC 4180, UTF-8, rows in discovery
// order, one for each document an input wrote (several with --to) and one
// for an input that wrote none, with the sizes and SHA-256 digests of the
// input and of the document. Names that are not UTF-8 are written in a form
// that keeps the CSV valid and the name recoverable (ReportText).
class BatchReport {
public:
    static constexpr const char* kHeader =
        "input,output,status,message,backup,input_bytes,input_sha256,output_bytes,output_sha256,direction";

    // `path`: the report's file, or "-" for standard output.
    explicit BatchReport(std::string path) : path_(std::move(path)) {}
    ~BatchReport();
    BatchReport(const BatchReport&) = delete;
    BatchReport& operator=(const BatchReport&) = delete;

    // Before the batch: makes sure the report can be written and replaces
    // nothing it must not. A pipe, a character device or /dev/fd/N is
    // opened to be written through; a link is followed to its target; a file
    // is written beside its place and renamed there at the end, and may only
    // replace an earlier report of quorin that is not one of the inputs
    // (items and recursive as the batch has them). Returns the problem, or
    // an empty text.
    std::string Prepare(const std::vector<std::string>& items, bool recursive);
    // Writes the report; on false, ErrorText says why.
    bool Write(const std::vector<FileOutcome>& outcomes);
    std::string ErrorText() const { return "Error writing the report \"" + path_ + "\"!"; }

    // The whole text: the header and the rows, each line ending in CR LF.
    static std::string Text(const std::vector<FileOutcome>& outcomes);

private:
    std::string path_;
    std::string target_;     // where the report goes: the link's target
    std::string temporary_;  // the file written beside it, renamed at the end
    int fd_ = -1;
};

// The status of an outcome as the report names it.
const char* StatusName(FileStatus status);

// A name or message as the report writes it: valid UTF-8 as it is, each byte
// that is not part of valid UTF-8 as %XX (two hexadecimal digits), and "%"
// itself as %25.
std::string ReportText(const std::string& text);

// One CSV field, quoted when it must be.
std::string CsvField(const std::string& value);

// With -a -v: the direction each converted file was given, a line each.
class DirectionLines : public BatchObserver {
public:
    explicit DirectionLines(UserMessages& messages) : messages_(messages) {}
    void OnFile(const FileOutcome& outcome) override;

private:
    UserMessages& messages_;
};

}  // namespace quorin
