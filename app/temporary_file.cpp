#include "app/temporary_file.h"

#include <fcntl.h>
#include <sys/sendfile.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <random>

#include "app/backup_name.h"
#include "app/crlf_writer.h"

namespace quorin {

namespace {
std::atomic<bool> namedFilesOnly{false};
}  // namespace

void TemporaryFile::UseNamedFilesOnly(bool named) { namedFilesOnly = named; }

TemporaryFile::TemporaryFile(TemporaryFile&& other) noexcept
    : folder_(std::move(other.folder_)), temporaryPath_(std::move(other.temporaryPath_)), fd_(other.fd_) {
    other.temporaryPath_.clear();
    other.fd_ = -1;
}

TemporaryFile& TemporaryFile::operator=(TemporaryFile&& other) noexcept {
    if (this != &other) {
        Discard();
        folder_ = std::move(other.folder_);
        temporaryPath_ = std::move(other.temporaryPath_);
        fd_ = other.fd_;
        other.temporaryPath_.clear();
        other.fd_ = -1;
    }
    return *this;
}

int TemporaryFile::Open() {
    if (fd_ >= 0) return fd_;
    // The folder is made only when missing: a worker may start before the
    // batch has made it.
    for (bool retried = false;; retried = true) {
        if (!namedFilesOnly) {
            fd_ = open(folder_.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
            if (fd_ >= 0) return fd_;
        }
        if (OpenNamed()) return fd_;
        if (errno != ENOENT || retried) return -1;
        std::error_code ignored;
        std::filesystem::create_directories(folder_, ignored);
    }
}

// A short hidden name in the file's folder, so that it fits wherever the
// output's own name fits.
std::string TemporaryFile::TemporaryName() const {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<int> pick(0, sizeof kLetters - 2);
    std::string path = folder_ + (folder_.ends_with('/') ? ".qrn" : "/.qrn");
    for (int i = 0; i < 6; ++i) path += kLetters[pick(random)];
    return path;
}

bool TemporaryFile::OpenNamed() {
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

bool TemporaryFile::Publish(const std::string& path) {
    if (fd_ < 0) {
        errno = EBADF;
        return false;
    }
    if (!temporaryPath_.empty()) {
        const bool closed = close(fd_) == 0;
        fd_ = -1;
        if (!closed || !RenameNoReplace(temporaryPath_, path)) return false;
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

bool TemporaryFile::Replace(const std::string& path) {
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
        const bool closed = close(fd_) == 0;
        fd_ = -1;
        if (!closed) return false;
    }
    if (rename(temporaryPath_.c_str(), path.c_str()) != 0) return false;
    temporaryPath_.clear();
    return true;
}

bool TemporaryFile::CopyTo(int fd, uint64_t bytes) {
    if (fd_ < 0) return bytes == 0;
    off_t from = 0;
    std::unique_ptr<char[]> slice;
    constexpr size_t kSlice = 1 << 16;
    while (static_cast<uint64_t>(from) < bytes) {
        ssize_t sent = sendfile(fd, fd_, &from, bytes - static_cast<uint64_t>(from));
        if (sent > 0) continue;
        if (sent < 0 && errno == EINTR) continue;
        // Outputs sendfile cannot write to (opened for appending): read and write.
        if (sent < 0 && (errno == EINVAL || errno == ENOSYS)) {
            if (!slice) slice.reset(new char[kSlice]);
            ssize_t got = pread(fd_, slice.get(), kSlice, from);
            if (got > 0 && WriteAll(fd, slice.get(), static_cast<size_t>(got))) {
                from += got;
                continue;
            }
        }
        return false;
    }
    return true;
}

void TemporaryFile::Discard() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    if (!temporaryPath_.empty()) unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
}

}  // namespace quorin
