#pragma once
#include <deque>
#include <string>
#include <vector>

#include "app/existing_output.h"
#include "app/file_record.h"
#include "app/output_file.h"
#include "app/tree_walk.h"
#include "app/user_messages.h"
#include "core/cancel_request.h"
#include "core/rtf_buffer.h"

namespace quorin {

// One batch run: the input names expanded into files, and for each file its
// output. Outputs are written to a temporary file in the output's folder (an
// OutputFile) and put in place by CommitOutput, so a failed write never
// leaves a partial file and an existing output is moved to its backup name
// only once its replacement is complete.
class FileBatch {
public:
    enum NextResult { kNoneLeft = 0, kTaken = 1, kVanished = 2 };

    // recursive (-R): folders of the list are walked, and each output keeps
    // the file's relative path below the output folder.
    // inputItems: names or patterns, one per item (see SplitInputList).
    FileBatch(std::vector<std::string> inputItems, std::string outputFolder, UserMessages& messages,
              CancelRequest& cancel, bool recursive = false);
    ~FileBatch();
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;

    // Expands the input items; runs once and returns the number of files
    // found. Items that match nothing are reported.
    int Discover();
    // Takes the next file. kVanished: the file is gone; the error text says so.
    NextResult NextFile();

    // The files not taken yet, in order: their inputs and output paths.
    size_t QueuedCount() const { return foundFiles_.size(); }
    const std::string& QueuedInput(size_t index) const { return foundFiles_[index].path; }
    std::string QueuedOutput(size_t index) const { return OutputPathOf(foundFiles_[index]); }

    // Prepares the output of the file taken (its folders made, an existing
    // output checked for a free backup name); false with the error text set.
    bool OpenOutput();
    // Finishes the written output and puts it in place (backing up an
    // existing file first). On false the error text is set, the output is
    // discarded, and CommitFailureCode says which failure of the batch it is.
    bool CommitOutput(OutputFile& written);

    // Told of every name that matches nothing (set before Discover).
    void SetObserver(BatchObserver* observer) { observer_ = observer; }
    // What becomes of existing outputs, and whether the files left alone
    // for theirs are shown (set before Discover).
    // finalExtensions: those of the documents that replace each RTF output
    // (-w, --to); empty when the RTF output stays.
    void SetExisting(ExistingOutput existing, bool showSkipped, std::vector<std::string> finalExtensions = {}) {
        existing_ = existing;
        showSkipped_ = showSkipped;
        finalExtensions_ = std::move(finalExtensions);
    }
    // Whether the file taken is to be left alone because its output exists;
    // tells the observer and, when asked to, shows it.
    bool SkipTaken();
    // The discovery place of the file taken, and of a queued file.
    size_t Sequence() const { return sequence_; }
    size_t QueuedSequence(size_t index) const { return foundFiles_[index].sequence; }
    // Where CommitOutput moved an earlier output; empty when it moved none.
    const std::string& BackupPath() const { return backupPath_; }

    int FoundCount() const { return foundCount_; }
    int MissingCount() const { return missingCount_; }
    // Empty files passed over while discovering.
    int EmptyCount() const { return emptyCount_; }
    // Files left alone while discovering because their outputs exist.
    int SkippedCount() const { return skippedCount_; }
    const std::string& InputPath() const { return inputPath_; }
    const std::string& OutputPath() const { return outputPath_; }
    const std::string& ErrorText() const { return errorText_; }
    // The batch result code of the last failed CommitOutput: 20 or 21.
    int CommitFailureCode() const { return commitFailureCode_; }

private:
    void FindItem(const std::string& item);
    void ReportMissing(const std::string& name, const std::string& text);
    void ReportSkipped(size_t sequence, const std::string& input, const std::string& output);
    bool Queue(FoundFile& match, const std::string& item, std::string& passedOver);
    std::string OutputPathOf(const FoundFile& file) const;
    // The output kept for an RTF output: the RTF file, or the first document
    // replacing it; empty while not every document is there.
    std::string KeptOutput(const std::string& rtfPath) const;
    bool OutputFolderReady();
    void SetWriteError();
    void SetBackupError();

    UserMessages& messages_;
    CancelRequest& cancel_;
    std::vector<std::string> inputItems_;
    std::string outputFolder_;
    bool recursive_;
    std::string inputPath_;
    std::string outputPath_;
    std::string backupPath_;
    BatchObserver* observer_ = nullptr;
    size_t sequence_ = 0;
    size_t nextSequence_ = 0;
    std::string errorText_;
    std::deque<FoundFile> foundFiles_;
    int foundCount_ = 0;
    int missingCount_ = 0;
    int emptyCount_ = 0;
    int skippedCount_ = 0;
    // Why each item that gave no file was passed over, told when the batch
    // found nothing at all.
    std::vector<std::pair<std::string, std::string>> passedOver_;
    ExistingOutput existing_ = ExistingOutput::kBackup;
    std::vector<std::string> finalExtensions_;
    bool showSkipped_ = false;
    bool discovered_ = false;
    int commitFailureCode_ = 0;
};

}  // namespace quorin
