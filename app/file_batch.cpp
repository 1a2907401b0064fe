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

namespace {

}  // namespace

FileBatch::FileBatch(std::vector<std::string> inputItems, std::string outputFolder, UserMessages& messages,
                     CancelRequest& cancel, bool recursive)
    : messages_(messages),
      cancel_(cancel),
      inputItems_(std::move(inputItems)),
      outputFolder_(AbsolutePath(outputFolder)),
      recursive_(recursive) {}

FileBatch::~FileBatch() = default;

int FileBatch::Discover() {
    if (discovered_) return foundCount_;
    discovered_ = true;
    for (const std::string& item : inputItems_) FindItem(item);
    // A batch that converts nothing says why, once for each item; one that
    // converts something passes over the rest quietly.
    if (foundCount_ == 0 && skippedCount_ == 0) {
        for (const auto& [item, text] : passedOver_) ReportMissing(item, text);
    }
    return foundCount_;
}

void FileBatch::ReportMissing(const std::string& name, const std::string& text) {
    ++missingCount_;
    if (observer_) observer_->OnFile({nextSequence_++, name, "", FileStatus::kFailed, text, ""});
    ShowError(messages_, cancel_, text);
}

void FileBatch::ReportSkipped(size_t sequence, const std::string& input, const std::string& output) {
    std::string text = texts::OutputKeptSkipping(output, input);
    if (observer_) observer_->OnFile({sequence, input, "", FileStatus::kSkipped, showSkipped_ ? text : "", ""});
    if (showSkipped_) messages_.Show({text, texts::kNoticeCaption, MessageIcon::kInformation, MessageButtons::kOk});
}

// With -w or --to the output kept is the documents that replace the RTF
// file: all of them, or the file is converted again.
std::string FileBatch::KeptOutput(const std::string& rtfPath) const {
    if (finalExtensions_.empty()) return PathExists(rtfPath) ? rtfPath : "";
    const std::string base = rtfPath.substr(0, rtfPath.size() - 4);
    for (const std::string& extension : finalExtensions_)
        if (!PathExists(base + "." + extension)) return "";
    return base + "." + finalExtensions_.front();
}

bool FileBatch::SkipTaken() {
    if (existing_ != ExistingOutput::kSkip) return false;
    const std::string kept = KeptOutput(outputPath_);
    if (kept.empty()) return false;
    ReportSkipped(sequence_, inputPath_, kept);
    return true;
}

// Queues a file found for an item, or notes why it is passed over. The reason
// names the item as typed when the item is the file itself.
bool FileBatch::Queue(FoundFile& match, const std::string& item, std::string& passedOver) {
    const FileKind kind = KindOfPath(match.path);
    if (kind != FileKind::kFile) {
        if (kind == FileKind::kEmptyFile) ++emptyCount_;
        if (passedOver.empty()) passedOver = PassedOverText(kind, match.path == AbsolutePath(item) ? item : match.path);
        return false;
    }
    if (match.relative.empty()) match.relative = NameOf(match.path);
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
            ReportMissing(folder, texts::WithPath(folder, texts::ErrorOpeningFile(folder)));
    } else if (!item.empty() && stat(item.c_str(), &info) == 0) {
        matches.push_back({AbsolutePath(item), ""});
    } else if (!item.empty()) {
        glob_t found{};
        if (glob(item.c_str(), 0, nullptr, &found) == 0) {
            for (size_t i = 0; i < found.gl_pathc; ++i) matches.push_back({AbsolutePath(found.gl_pathv[i]), ""});
        }
        globfree(&found);
    }
    if (matches.empty()) {
        ReportMissing(item, texts::CantFindFiles(item));
        return;
    }
    std::string passedOver;
    bool queued = false;
    for (FoundFile& match : matches) queued = Queue(match, item, passedOver) || queued;
    if (!queued && !passedOver.empty()) passedOver_.emplace_back(item, passedOver);
}

std::string FileBatch::OutputPathOf(const FoundFile& file) const {
    return JoinPath(outputFolder_, file.relative + ".rtf");
}

FileBatch::NextResult FileBatch::NextFile() {
    if (foundFiles_.empty()) return kNoneLeft;
    inputPath_ = foundFiles_.front().path;
    sequence_ = foundFiles_.front().sequence;
    backupPath_.clear();
    outputPath_ = OutputPathOf(foundFiles_.front());
    foundFiles_.pop_front();
    struct stat info;
    if (stat(inputPath_.c_str(), &info) != 0) {
        errorText_ = texts::CantFindFiles(inputPath_);
        return kVanished;
    }
    return kTaken;
}

// The output folder, and with -R the folders below it, are made on demand.
bool FileBatch::OutputFolderReady() {
    std::error_code error;
    std::string folder = FolderOf(outputPath_);
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

bool FileBatch::OpenOutput() {
    errorText_.clear();
    if (!OutputFolderReady()) {
        SetWriteError();
        return false;
    }
    // Only a file that is there needs a backup; a name that cannot be looked
    // up (too long, a folder that cannot be searched) cannot be written either.
    struct stat info;
    const bool outputExists = lstat(outputPath_.c_str(), &info) == 0;
    if (!outputExists && errno != ENOENT) {
        SetWriteError();
        return false;
    }
    // Refuse early when an existing output could not be backed up.
    if (existing_ == ExistingOutput::kBackup && outputExists && MakeBackupName(outputPath_).empty()) {
        SetBackupError();
        return false;
    }
    return true;
}

bool FileBatch::CommitOutput(OutputFile& written) {
    errorText_.clear();
    commitFailureCode_ = 21;
    if (!written.Finish()) {
        written.Discard();
        SetWriteError();
        return false;
    }
    if (existing_ == ExistingOutput::kOverwrite) {
        // The old output is replaced in one step: there is never a moment
        // without a complete file at its name.
        if (!written.Replace(outputPath_)) {
            written.Discard();
            SetWriteError();
            return false;
        }
        return true;
    }
    if (PathExists(outputPath_)) {
        std::string backup = MakeBackupName(outputPath_);
        if (backup.empty() || !RenameNoReplace(outputPath_, backup)) {
            written.Discard();
            SetBackupError();
            commitFailureCode_ = 20;
            return false;
        }
        backupPath_ = backup;
        // The whole input is in memory already; only its name has changed.
        if (outputPath_ == inputPath_) inputPath_ = backup;
    }
    if (!written.Publish(outputPath_)) {
        written.Discard();
        SetWriteError();
        return false;
    }
    return true;
}

void FileBatch::SetWriteError() { errorText_ = texts::ErrorWritingToFile(outputPath_); }

void FileBatch::SetBackupError() { errorText_ = texts::ErrorBackingUpFile(outputPath_, inputPath_); }

}  // namespace quorin
