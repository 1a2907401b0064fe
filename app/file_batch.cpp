#include "app/file_batch.h"

#include <fcntl.h>
#include <glob.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "app/backup_name.h"
#include "app/path_text.h"

namespace quorin {

namespace {

std::string FileName(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Only non-empty regular files are converted; folders, devices and empty
// files are passed over without a word.
bool IsConvertible(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0;
}

}  // namespace

FileBatch::FileBatch(std::vector<std::string> inputItems, std::string outputFolder, UserMessages& messages,
                     ConversionOptions& options, bool recursive)
    : messages_(messages),
      options_(options),
      inputItems_(std::move(inputItems)),
      outputFolder_(AbsolutePath(outputFolder)),
      recursive_(recursive) {}

FileBatch::~FileBatch() = default;

int FileBatch::Discover() {
    if (discovered_) return foundCount_;
    discovered_ = true;
    for (const std::string& item : inputItems_) FindItem(item);
    return foundCount_;
}

void FileBatch::ReportMissing(const std::string& name, const std::string& text) {
    ++missingCount_;
    if (observer_) observer_->OnFile({nextSequence_++, name, "", FileStatus::kFailed, text, ""});
    ShowError(messages_, options_, text);
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
            ReportMissing(folder, InCapitals(folder) + "\nError opening file \"" + folder + "\"!");
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
        ReportMissing(item, "Can't find file(s) \"" + item + "\"!\n");
        return;
    }
    for (FoundFile& match : matches) {
        if (!IsConvertible(match.path)) continue;
        if (match.relative.empty()) match.relative = FileName(match.path);
        match.sequence = nextSequence_++;
        foundFiles_.push_back(std::move(match));
        ++foundCount_;
    }
}

std::string FileBatch::OutputPathOf(const FoundFile& file) const {
    return outputFolder_ + (outputFolder_.ends_with('/') ? "" : "/") + file.relative + ".rtf";
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
        errorText_ = "Can't find file(s) \"" + inputPath_ + "\"!\n";
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
    if (outputExists && MakeBackupName(outputPath_).empty()) {
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

}  // namespace quorin
