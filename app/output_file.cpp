#include "app/output_file.h"

#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <random>

#include "app/backup_name.h"
#include "app/crlf_writer.h"

namespace quorin {

namespace {
std::atomic<bool> namedFilesOnly{false};
}  // namespace

void OutputFile::UseNamedFilesOnly(bool named) { namedFilesOnly = named; }

OutputFile::OutputFile() {
    blockSize_ = kPieceSize;
    block_.reset(new char[blockSize_]);
    translated_.reset(new char[2 * blockSize_]);
    SetBlock(block_.get(), 0, blockSize_);
}

OutputFile::~OutputFile() { Discard(); }

void OutputFile::Begin(std::string folder) {
    Discard();
    folder_ = std::move(folder);
    error_ = 0;
    noFileMade_ = false;
    fileBytes_ = 0;
    SetBlock(block_.get(), 0, blockSize_);
}

bool OutputFile::BeginInPlace(int fd) {
    Begin({});
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    // Appending writes go to the end wherever the offset is.
    const int flags = fcntl(fd, F_GETFL);
    const off_t at = flags >= 0 && (flags & O_APPEND) ? info.st_size : lseek(fd, 0, SEEK_CUR);
    if (flags < 0 || at != info.st_size) return false;
    fd_ = fd;
    inPlaceStart_ = at;
    return true;
}

bool OutputFile::Open() {
    // The folder is made only when missing: a worker may start before the
    // batch has made it.
    for (bool retried = false;; retried = true) {
        if (!namedFilesOnly) {
            fd_ = open(folder_.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
            if (fd_ >= 0) return true;
        }
        if (OpenNamed()) return true;
        if (errno != ENOENT || retried) return false;
        std::error_code ignored;
        std::filesystem::create_directories(folder_, ignored);
    }
}

// A short name, so that it fits wherever the output's own name fits.
// A short hidden name in the output's folder that is free now.
std::string OutputFile::TemporaryName() const {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<int> pick(0, sizeof kLetters - 2);
    std::string path = folder_ + (folder_.ends_with('/') ? ".qrn" : "/.qrn");
    for (int i = 0; i < 6; ++i) path += kLetters[pick(random)];
    return path;
}

bool OutputFile::OpenNamed() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string path = TemporaryName();
        fd_ = open(path.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            temporaryPath_ = std::move(path);
            return true;
        }
        if (errno != EEXIST) break;
    }
    return false;
}

void OutputFile::HandOn() {
    if (size() == 0) return;
    if (error_ == 0 && fd_ < 0 && !Open()) {
        error_ = errno;
        noFileMade_ = true;
    }
    if (error_ == 0) {
        const char* end = CopyWithCrLf(std::string_view(data(), size()), translated_.get());
        const size_t bytes = static_cast<size_t>(end - translated_.get());
        if (WriteAll(fd_, translated_.get(), bytes)) fileBytes_ += bytes;
        else error_ = errno;
    }
    NoteHandedOn(size());
}

void OutputFile::MakeRoom(size_t count) {
    HandOn();
    if (count <= blockSize_) return;
    // One append larger than a piece (a long table): the pieces grow for it.
    blockSize_ = count;
    block_.reset(new char[blockSize_]);
    translated_.reset(new char[2 * blockSize_]);
    SetBlock(block_.get(), 0, blockSize_);
}

bool OutputFile::Finish() {
    HandOn();
    if (error_ == 0 && fd_ < 0 && !Open()) {
        error_ = errno;
        noFileMade_ = true;
    }
    return error_ == 0;
}

bool OutputFile::Publish(const std::string& path) {
    if (fd_ < 0) {
        errno = EBADF;
        return false;
    }
    if (!temporaryPath_.empty()) {
        if (close(fd_) != 0) {
            fd_ = -1;
            return false;
        }
        fd_ = -1;
        if (!RenameNoReplace(temporaryPath_, path)) return false;
        temporaryPath_.clear();
        return true;
    }
    // An unnamed file gets its name through /proc, which needs no privilege;
    // AT_EMPTY_PATH is the way without /proc.
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) != 0 &&
        (errno != ENOENT || linkat(fd_, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) != 0))
        return false;
    close(fd_);
    fd_ = -1;
    return true;
}

bool OutputFile::Replace(const std::string& path) {
    if (temporaryPath_.empty()) {
        // An unnamed file first gets a temporary name of its own, since
        // linking never replaces a file; rename then does it in one step.
        for (int attempt = 0; attempt < 100 && temporaryPath_.empty(); ++attempt) {
            std::string name = TemporaryName();
            if (Publish(name)) temporaryPath_ = std::move(name);
            else if (errno != EEXIST || fd_ < 0) return false;
        }
        if (temporaryPath_.empty()) return false;
    } else {
        if (close(fd_) != 0) {
            fd_ = -1;
            return false;
        }
        fd_ = -1;
    }
    if (rename(temporaryPath_.c_str(), path.c_str()) != 0) return false;
    temporaryPath_.clear();
    return true;
}

bool OutputFile::CopyTo(int fd) {
    bool copied;
    if (inPlaceStart_ >= 0) {
        copied = Finish();
        if (copied) {
            fd_ = -1;
            inPlaceStart_ = -1;
        }
    } else if (fd_ < 0 && error_ == 0) {
        // Never handed on: straight from the piece.
        const char* end = CopyWithCrLf(std::string_view(data(), size()), translated_.get());
        copied = WriteAll(fd, translated_.get(), static_cast<size_t>(end - translated_.get()));
    } else {
        copied = Finish();
        off_t from = 0;
        while (copied && static_cast<uint64_t>(from) < fileBytes_) {
            ssize_t sent = sendfile(fd, fd_, &from, fileBytes_ - static_cast<uint64_t>(from));
            if (sent > 0) continue;
            if (sent < 0 && errno == EINTR) continue;
            // Outputs sendfile cannot write to (opened for appending): read and write.
            if (sent < 0 && (errno == EINVAL || errno == ENOSYS)) {
                ssize_t got = pread(fd_, translated_.get(), 2 * blockSize_, from);
                if (got > 0 && WriteAll(fd, translated_.get(), static_cast<size_t>(got))) {
                    from += got;
                    continue;
                }
            }
            copied = false;
        }
    }
    Discard();
    return copied;
}

void OutputFile::Discard() {
    if (inPlaceStart_ >= 0) {
        if (ftruncate(fd_, inPlaceStart_) == 0) lseek(fd_, inPlaceStart_, SEEK_SET);
        fd_ = -1;
        inPlaceStart_ = -1;
    }
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    if (!temporaryPath_.empty()) unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
    SetBlock(block_.get(), 0, blockSize_);
}

}  // namespace quorin
