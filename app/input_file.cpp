#include "app/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <system_error>

namespace quorin {

InputFile::InputFile(const std::string& path) : path_(path) {
    fd_ = open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info;
    if (fd_ >= 0 && (fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode))) {
        close(fd_);
        fd_ = -1;
    }
}

InputFile::~InputFile() {
    if (fd_ >= 0) close(fd_);
}

size_t InputFile::Read(RtfBuffer& document) {
    struct stat info;
    if (fd_ < 0 || fstat(fd_, &info) != 0) throw std::runtime_error("input not open");
    // Room for the end-of-file probe, so it does not move a large buffer.
    document.reserve(static_cast<size_t>(info.st_size) + 4096);
    document.resize(static_cast<size_t>(info.st_size));
    size_t total = 0;
    // The file may change size while it is read: stop at its end, and keep
    // reading past the size it had if it grew.
    for (;;) {
        if (total == document.size()) document.resize(document.size() + 4096);
        ssize_t got = read(fd_, document.data() + total, document.size() - total);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw std::system_error(errno, std::generic_category(), path_);
        if (got == 0) break;
        total += static_cast<size_t>(got);
    }
    document.resize(total);
    return total;
}

}  // namespace quorin
