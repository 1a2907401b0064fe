#pragma once
#include <deque>
#include <string>
#include <vector>

#include "app/existing_output.h"
#include "app/file_outcome.h"
#include "app/outcome_list.h"
#include "app/temporary_file.h"
#include "app/tree_walk.h"
#include "app/user_messages.h"
#include "core/cancel_request.h"

namespace quorin {

// One batch run: the input names expanded into files, and for each file its
// output. Outputs are written to a temporary file in the output's folder (a
// TemporaryFile) and put in place by CommitOutput, so a failed write never
// leaves a partial file and an existing output is moved to its backup name
// only once its replacement is complete. --existing speaks of outputs that
// existed before the batch: one written earlier in the batch is always moved
// to its backup name, never replaced or kept in place of a new one.
class FileBatch {
public:
    enum NextResult { kNoneLeft = 0, kTaken = 1, kVanished = 2 };

    // recursive (-R): folders of the list are walked, and each output keeps
    // the file's relative path below the output folder.
    // inputItems: names or patterns, one per item (see SplitInputList).
    // outcomes: told of the inputs settled while discovering and skipping.
    FileBatch(std::vector<std::string> inputItems, std::string outputFolder, UserMessages& messages,
              CancelRequest& cancel, OutcomeList& outcomes, bool recursive = false);
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;

    // Expands the input items; runs once and returns the number of files
    // found to convert. Items that match nothing are reported.
    int Discover();
    // Takes the next file. kVanished: the file is gone.
    NextResult NextFile();

    // The files not taken yet, in order: their inputs and output paths.
    size_t QueuedCount() const { return foundFiles_.size(); }
    const std::string& QueuedInput(size_t index) const { return foundFiles_[index].path; }
    std::string QueuedOutput(size_t index) const { return OutputPathOf(foundFiles_[index]); }
    size_t QueuedSequence(size_t index) const { return foundFiles_[index].sequence; }

    // Prepares the output of the file taken (its folders made, an existing
    // output checked for a free backup name); the reason when it cannot.
    Reason OpenOutput();
    // Puts the written output in place (backing up an existing file first);
    // writeError: why writing it failed (errno), 0 when it is complete. The
    // reason when it failed, the output then discarded.
    Reason CommitOutput(TemporaryFile& written, int writeError);

    // What becomes of existing outputs, and whether the files left alone
    // for theirs are shown (set before Discover).
    // finalExtensions: those of the documents that replace each RTF output
    // (-w, --to); empty when the RTF output stays.
    void SetExisting(ExistingOutput existing, bool showSkipped, std::vector<std::string> finalExtensions = {}) {
        existing_ = existing;
        showSkipped_ = showSkipped;
        finalExtensions_ = std::move(finalExtensions);
    }
    // Whether the file taken is to be left alone because its output existed
    // before the batch; settles its outcome and, when asked to, shows it.
    bool SkipTaken();
    // The discovery place of the file taken.
    size_t Sequence() const { return sequence_; }
    // Where CommitOutput moved an earlier output; empty when it moved none.
    const std::string& BackupPath() const { return backupPath_; }
    // Where the input of the file taken lives now: its backup name when its
    // own output replaced it.
    const std::string& InputNow() const { return inputNow_; }

    const std::string& InputPath() const { return inputPath_; }
    const std::string& OutputPath() const { return outputPath_; }

private:
    struct PassedOver {
        size_t sequence;
        std::string item;
        Reason reason;
        bool settled;  // has its row already (an empty file)
    };
    void FindItem(const std::string& item);
    // A failed input: its outcome settled and its message shown.
    void Fail(size_t sequence, const std::string& input, Reason reason);
    void Settle(FileOutcome outcome);
    void ReportSkipped(size_t sequence, const std::string& input, const std::string& output);
    bool Queue(FoundFile& match, const std::string& item, PassedOver& passedOver);
    std::string OutputPathOf(const FoundFile& file) const;
    // The output kept for an RTF output: the RTF file, or the first document
    // replacing it; empty while not every document is there from before the
    // batch.
    std::string KeptOutput(const std::string& rtfPath) const;
    bool OutputFolderReady();
    Reason WriteError(ReasonKind kind, int error) const { return {kind, outputPath_, {}, error}; }

    UserMessages& messages_;
    CancelRequest& cancel_;
    OutcomeList& outcomes_;
    std::vector<std::string> inputItems_;
    std::string outputFolder_;
    bool recursive_;
    std::string inputPath_;
    std::string inputNow_;
    std::string outputPath_;
    std::string backupPath_;
    size_t sequence_ = 0;
    size_t nextSequence_ = 0;
    std::deque<FoundFile> foundFiles_;
    int foundCount_ = 0;
    int skippedCount_ = 0;
    // Why each item that gave no file was passed over, told when the batch
    // found nothing at all.
    std::vector<PassedOver> passedOver_;
    ExistingOutput existing_ = ExistingOutput::kBackup;
    std::vector<std::string> finalExtensions_;
    bool showSkipped_ = false;
    bool discovered_ = false;
};

}  // namespace quorin
