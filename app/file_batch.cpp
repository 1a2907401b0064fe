#include "app/file_batch.h"

#include <fcntl.h>
#include <glob.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "app/backup_name.h"
#include "app/file_kind.h"
#include "app/message_texts.h"
#include "app/path_text.h"

namespace quorin {

FileBatch::FileBatch(std::vector<std::string> inputItems, std::string outputFolder, UserMessages& messages,
                     CancelRequest& cancel, OutcomeList& outcomes, bool recursive)
    : messages_(messages),
      cancel_(cancel),
      outcomes_(outcomes),
      inputItems_(std::move(inputItems)),
      outputFolder_(AbsolutePath(outputFolder)),
      recursive_(recursive) {}

int FileBatch::Discover() {
    if (discovered_) return foundCount_;
    discovered_ = true;
    for (const std::string& item : inputItems_) FindItem(item);
    // A batch that converts nothing says why, once for each item; one that
    // converts something passes over the rest quietly (empty files with a
    // row of their own).
    if (foundCount_ == 0 && skippedCount_ == 0) {
        for (PassedOver& passed : passedOver_) {
            if (passed.settled) {
                ShowError(messages_, cancel_, texts::ReasonText(passed.reason));
            } else {
                Fail(nextSequence_++, passed.item, passed.reason);
            }
        }
    }
    return foundCount_;
}

void FileBatch::Settle(FileOutcome outcome) { outcomes_.OnFile(outcome); }

void FileBatch::Fail(size_t sequence, const std::string& input, Reason reason) {
    const std::string text = texts::ReasonText(reason);
    const char* caption = texts::CaptionOf(reason);
    Settle({sequence, input, FileStatus::kFailed, std::move(reason)});
    ShowError(messages_, cancel_, text, caption);
}

void FileBatch::ReportSkipped(size_t sequence, const std::string& input, const std::string& output) {
    Reason reason{ReasonKind::kOutputExists, output, input};
    if (showSkipped_)
        messages_.Show({texts::ReasonText(reason), texts::kNoticeCaption, MessageIcon::kInformation, MessageButtons::kOk});
    Settle({sequence, input, FileStatus::kSkippedExisting, std::move(reason), {{output, ""}}});
}

// With -w or --to the output kept is the documents that replace the RTF
// file: all of them, or the file is converted again. Only files from before
// the batch are kept.
std::string FileBatch::KeptOutput(const std::string& rtfPath) const {
    auto before = [this](const std::string& path) { return PathExists(path) && !outcomes_.WrittenHere(path); };
    if (finalExtensions_.empty()) return before(rtfPath) ? rtfPath : "";
    const std::string base = rtfPath.substr(0, rtfPath.size() - 4);
    for (const std::string& extension : finalExtensions_)
        if (!before(base + "." + extension)) return "";
    return base + "." + finalExtensions_.front();
}

bool FileBatch::SkipTaken() {
    if (existing_ != ExistingOutput::kSkip) return false;
    const std::string kept = KeptOutput(outputPath_);
    if (kept.empty()) return false;
    ReportSkipped(sequence_, inputPath_, kept);
    return true;
}

// Queues a file found for an item, or settles or notes why it is passed
// over. The reason names the item as typed when the item is the file itself.
bool FileBatch::Queue(FoundFile& match, const std::string& item, PassedOver& passedOver) {
    const FileKind kind = KindOfPath(match.path);
    const std::string shown = match.path == AbsolutePath(item) ? item : match.path;
    if (kind == FileKind::kBrokenLink) {
        Fail(nextSequence_++, match.path, {ReasonKind::kBrokenLink, shown});
        return false;
    }
    if (kind != FileKind::kFile) {
        Reason reason{PassedOverReason(kind), shown};
        const bool settled = kind == FileKind::kEmptyFile;
        if (settled) Settle({nextSequence_++, match.path, FileStatus::kSkippedEmpty, reason});
        if (passedOver.reason.kind == ReasonKind::kNone) passedOver = {0, item, std::move(reason), settled};
        return false;
    }
    if (match.relative.empty()) match.relative = std::string(NameOf(match.path));
    match.sequence = nextSequence_++;
    // Left alone now, before anything reads it, when its output is to be kept.
    if (const std::string kept = existing_ == ExistingOutput::kSkip ? KeptOutput(OutputPathOf(match)) : "";
        !kept.empty()) {
        ReportSkipped(match.sequence, match.path, kept);
        ++skippedCount_;
        return false;
    }
    foundFiles_.push_back(std::move(match));
    ++foundCount_;
    return true;
}

// A name that exists is taken as it is (the shell has expanded the user's
// wildcards already, and such names may hold "[" or "*"); anything else is a
// glob(3) pattern, its matches in sorted order. With -R, folders are walked.
void FileBatch::FindItem(const std::string& item) {
    std::vector<FoundFile> matches;
    struct stat info;
    if (recursive_) {
        std::vector<std::string> unreadable;
        matches = FindInTree(item, outputFolder_, unreadable);
        for (const std::string& folder : unreadable)
            Fail(nextSequence_++, folder, {ReasonKind::kUnreadableFolder, folder});
    } else if (!item.empty() && lstat(item.c_str(), &info) == 0) {
        matches.push_back({AbsolutePath(item), ""});
    } else if (!item.empty()) {
        glob_t found{};
        if (glob(item.c_str(), 0, nullptr, &found) == 0) {
            for (size_t i = 0; i < found.gl_pathc; ++i) matches.push_back({AbsolutePath(found.gl_pathv[i]), ""});
        }
        globfree(&found);
    }
    if (matches.empty()) {
        Fail(nextSequence_++, item, {ReasonKind::kNotFound, item});
        return;
    }
    PassedOver passedOver{};
    bool queued = false;
    for (FoundFile& match : matches) queued = Queue(match, item, passedOver) || queued;
    if (!queued && passedOver.reason.kind != ReasonKind::kNone) passedOver_.push_back(std::move(passedOver));
}

std::string FileBatch::OutputPathOf(const FoundFile& file) const {
    return JoinPath(outputFolder_, file.relative + ".rtf");
}

FileBatch::NextResult FileBatch::NextFile() {
    if (foundFiles_.empty()) return kNoneLeft;
    inputPath_ = foundFiles_.front().path;
    inputNow_.clear();
    sequence_ = foundFiles_.front().sequence;
    backupPath_.clear();
    outputPath_ = OutputPathOf(foundFiles_.front());
    foundFiles_.pop_front();
    struct stat info;
    return stat(inputPath_.c_str(), &info) == 0 ? kTaken : kVanished;
}

// The output folder, and with -R the folders below it, are made on demand.
bool FileBatch::OutputFolderReady() {
    std::error_code error;
    std::string folder = FolderOf(outputPath_);
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

Reason FileBatch::OpenOutput() {
    if (!OutputFolderReady()) return WriteError(ReasonKind::kOutputNotPrepared, errno);
    // Only a file that is there needs a backup; a name that cannot be looked
    // up (too long, a folder that cannot be searched) cannot be written either.
    struct stat info;
    const bool outputExists = lstat(outputPath_.c_str(), &info) == 0;
    if (!outputExists && errno != ENOENT) return WriteError(ReasonKind::kOutputNotPrepared, errno);
    // Refuse early when an existing output could not be backed up.
    const bool backedUp = existing_ == ExistingOutput::kBackup ||
                          (existing_ == ExistingOutput::kSkip && finalExtensions_.empty()) ||
                          outcomes_.WrittenHere(outputPath_);
    if (backedUp && outputExists && MakeBackupName(outputPath_).empty())
        return {ReasonKind::kBackup, outputPath_, inputPath_};
    return {};
}

Reason FileBatch::CommitOutput(TemporaryFile& written, int writeError) {
    if (writeError != 0 || !written.IsOpen()) {
        written.Discard();
        return WriteError(ReasonKind::kWriteOutput, writeError);
    }
    // The old output is replaced in one step: there is never a moment
    // without a complete file at its name. One this batch wrote is not. With
    // documents (-w, --to) and skip, an RTF file that is there is what an
    // interrupted run left for this input, and is replaced too.
    const bool earlier = outcomes_.WrittenHere(outputPath_);
    const bool replace = existing_ == ExistingOutput::kOverwrite ||
                         (existing_ == ExistingOutput::kSkip && !finalExtensions_.empty());
    if (replace && !earlier) {
        if (written.Replace(outputPath_)) return {};
        const int error = errno;
        written.Discard();
        return WriteError(ReasonKind::kWriteOutput, error);
    }
    if (PathExists(outputPath_)) {
        std::string backup = MakeBackupName(outputPath_);
        if (backup.empty() || !RenameNoReplace(outputPath_, backup)) {
            written.Discard();
            return {ReasonKind::kBackup, outputPath_, inputPath_};
        }
        backupPath_ = backup;
        if (earlier) outcomes_.Moved(outputPath_, backup);
        // The whole input is in memory already; only its name has changed.
        if (outputPath_ == inputPath_) inputNow_ = backup;
    }
    if (!written.Publish(outputPath_)) {
        const int error = errno;
        written.Discard();
        return WriteError(ReasonKind::kWriteOutput, error);
    }
    return {};
}

}  // namespace quorin
