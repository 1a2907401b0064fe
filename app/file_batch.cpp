#include "app/file_batch.h"

#include <fcntl.h>
#include <glob.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "app/backup_name.h"
#include "app/crlf_writer.h"
#include "app/path_text.h"

namespace quorin {

namespace {

std::string Trim(const std::string& text, const char* characters) {
    size_t first = text.find_first_not_of(characters);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(characters) - first + 1);
}

std::string FileName(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Only non-empty regular files are converted; folders, devices and empty
// files are passed over without a word.
bool IsConvertible(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0;
}

unsigned CurrentFileMode() {
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

FileBatch::FileBatch(std::string inputList, std::string outputFolder, UserMessages& messages,
                     ConversionOptions& options)
    : messages_(messages),
      options_(options),
      inputList_(std::move(inputList)),
      outputFolder_(AbsolutePath(outputFolder)),
      fileMode_(CurrentFileMode()) {}

FileBatch::~FileBatch() {
    CloseInput();
    CloseOutput();
}

int FileBatch::Discover() {
    if (discovered_) return foundCount_;
    discovered_ = true;
    std::string rest = Trim(inputList_, " \t\r\n\v\f");
    while (!rest.empty()) {
        size_t bar = rest.find('|');
        if (bar == 0) {
            rest.erase(0, 1);
            continue;
        }
        std::string item = rest.substr(0, bar);
        rest.erase(0, bar == std::string::npos ? rest.size() : bar + 1);
        FindItem(Trim(item, " \""));
    }
    return foundCount_;
}

// A name that exists is taken as it is (the shell has expanded the user's
// wildcards already, and such names may hold "[" or "*"); anything else is a
// glob(3) pattern, its matches in sorted order.
void FileBatch::FindItem(const std::string& item) {
    std::vector<std::string> matches;
    struct stat info;
    if (!item.empty() && stat(item.c_str(), &info) == 0) {
        matches.push_back(item);
    } else if (!item.empty()) {
        glob_t found{};
        if (glob(item.c_str(), 0, nullptr, &found) == 0)
            matches.assign(found.gl_pathv, found.gl_pathv + found.gl_pathc);
        globfree(&found);
    }
    if (matches.empty()) {
        ++missingCount_;
        ShowError(messages_, options_, "Can't find file(s) \"" + item + "\"!\n");
        return;
    }
    for (const std::string& match : matches) {
        if (!IsConvertible(match)) continue;
        foundFiles_.push_back(AbsolutePath(match));
        ++foundCount_;
    }
}

FileBatch::NextResult FileBatch::NextFile() {
    if (foundFiles_.empty()) return kNoneLeft;
    inputPath_ = foundFiles_.front();
    foundFiles_.pop_front();
    outputPath_ = outputFolder_ + (outputFolder_.ends_with('/') ? "" : "/") + FileName(inputPath_) + ".rtf";
    struct stat info;
    if (stat(inputPath_.c_str(), &info) != 0) {
        errorText_ = "Can't find file(s) \"" + inputPath_ + "\"!\n";
        return kVanished;
    }
    return kTaken;
}

bool FileBatch::OpenInput() {
    CloseInput();
    errorText_.clear();
    inputFile_ = open(inputPath_.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info;
    if (inputFile_ >= 0 && (fstat(inputFile_, &info) != 0 || !S_ISREG(info.st_mode))) CloseInput();
    if (inputFile_ < 0) {
        errorText_ = "Error opening file \"" + inputPath_ + "\"!";
        return false;
    }
    return true;
}

size_t FileBatch::ReadInput(RtfBuffer& document) {
    struct stat info;
    if (inputFile_ < 0 || fstat(inputFile_, &info) != 0) throw std::runtime_error("input not open");
    // Room for the end-of-file probe, so it does not move a large buffer.
    document.reserve(static_cast<size_t>(info.st_size) + 4096);
    document.resize(static_cast<size_t>(info.st_size));
    size_t total = 0;
    // The file may change size while it is read: stop at its end, and keep
    // reading past the size it had if it grew.
    for (;;) {
        if (total == document.size()) document.resize(document.size() + 4096);
        ssize_t got = read(inputFile_, document.data() + total, document.size() - total);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw std::system_error(errno, std::generic_category(), inputPath_);
        if (got == 0) break;
        total += static_cast<size_t>(got);
    }
    document.resize(total);
    return total;
}

bool FileBatch::OutputFolderReady() {
    std::error_code error;
    std::filesystem::create_directories(outputFolder_, error);
    return std::filesystem::is_directory(outputFolder_, error);
}

bool FileBatch::OpenOutput() {
    CloseOutput();
    errorText_.clear();
    if (inputFile_ < 0) return false;
    if (!OutputFolderReady()) {
        SetWriteError();
        return false;
    }
    // Refuse early when an existing output could not be backed up.
    if (PathExists(outputPath_) && MakeBackupName(outputPath_).empty()) {
        SetBackupError();
        return false;
    }
    temporaryPath_ = outputFolder_ + "/." + FileName(outputPath_) + ".XXXXXX";
    outputFile_ = mkostemp(temporaryPath_.data(), O_CLOEXEC);
    if (outputFile_ < 0 || fchmod(outputFile_, fileMode_) != 0) {
        CloseOutput();
        SetWriteError();
        return false;
    }
    return true;
}

bool FileBatch::WriteOutput(const RtfBuffer& text) {
    if (outputFile_ >= 0 && WriteWithCrLf(outputFile_, text)) return true;
    SetWriteError();
    return false;
}

bool FileBatch::CommitOutput() {
    errorText_.clear();
    commitFailureCode_ = 21;
    bool written = outputFile_ >= 0 && close(outputFile_) == 0;
    outputFile_ = -1;
    if (!written) {
        CloseOutput();
        SetWriteError();
        return false;
    }
    if (PathExists(outputPath_)) {
        std::string backup = MakeBackupName(outputPath_);
        if (backup.empty() || !RenameNoReplace(outputPath_, backup)) {
            CloseOutput();
            SetBackupError();
            commitFailureCode_ = 20;
            return false;
        }
        // The whole input is in memory already; only its name has changed.
        if (outputPath_ == inputPath_) inputPath_ = backup;
    }
    if (!RenameNoReplace(temporaryPath_, outputPath_)) {
        CloseOutput();
        SetWriteError();
        return false;
    }
    temporaryPath_.clear();
    return true;
}

void FileBatch::CloseInput() {
    if (inputFile_ >= 0) close(inputFile_);
    inputFile_ = -1;
}

void FileBatch::CloseOutput() {
    if (outputFile_ >= 0) close(outputFile_);
    outputFile_ = -1;
    if (!temporaryPath_.empty()) unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
}

}  // namespace quorin
