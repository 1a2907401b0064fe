#pragma once
#include <map>
#include <string>
#include <vector>

#include "app/file_record.h"
#include "app/user_messages.h"

namespace quorin {

// The CSV report of a batch (--report): a row per input in discovery order,
// with the sizes and SHA-256 digests of the input and of what was written.
// Digests are taken as each record arrives, when its files are final.
class BatchReport : public BatchObserver {
public:
    static constexpr const char* kHeader =
        "input,output,status,message,backup,input_bytes,input_sha256,output_bytes,output_sha256,direction";

    // `path`: the report's file, or "-" for standard output.
    explicit BatchReport(std::string path) : path_(std::move(path)) {}

    void OnFile(const FileRecord& record) override;
    // Writes the report: into a temporary file beside it, renamed into place
    // when complete. On false, ErrorText says why.
    bool Finish();
    std::string ErrorText() const { return "Error writing the report \"" + path_ + "\"!"; }
    // The whole text: the header and the rows, each line ending in CR LF.
    std::string Text() const;

private:
    std::string path_;
    std::map<size_t, std::string> rows_;  // by sequence
};

// Tells every observer added, in the order added.
class ObserverList : public BatchObserver {
public:
    void Add(BatchObserver& observer) { observers_.push_back(&observer); }
    void OnFile(const FileRecord& record) override {
        for (BatchObserver* observer : observers_) observer->OnFile(record);
    }

private:
    std::vector<BatchObserver*> observers_;
};

// With -a -v: the direction each converted file was given, a line each.
class DirectionLines : public BatchObserver {
public:
    explicit DirectionLines(UserMessages& messages) : messages_(messages) {}
    void OnFile(const FileRecord& record) override;

private:
    UserMessages& messages_;
};

// One CSV field, quoted when it must be.
std::string CsvField(const std::string& value);

}  // namespace quorin
