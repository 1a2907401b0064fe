#include "app/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <system_error>

#include "app/file_kind.h"

namespace quorin {

// Inputs are read, not mapped: a mapped file that another program truncates
// meanwhile ends the whole batch with SIGBUS, and a buffer kept from file to
// file costs no fresh memory after the first.
void InputBuffer::ReadAll(int fd, size_t expected, const std::string& what, const CancelRequest* cancel) {
    size_ = 0;
    // Room for the end-of-file probe, so that it does not move a large buffer.
    size_t wanted = expected + 4096;
    for (;;) {
        if (capacity_ < wanted) {
            std::unique_ptr<char[]> larger(new char[wanted]);
            if (size_ > 0) std::memcpy(larger.get(), data_.get(), size_);
            data_ = std::move(larger);
            capacity_ = wanted;
        }
        // The file may change size while it is read: stop at its end, and
        // keep reading past the size it had if it grew.
        ssize_t got = read(fd, data_.get() + size_, capacity_ - size_);
        if (got < 0 && errno == EINTR && !(cancel && cancel->Requested())) continue;
        if (got < 0) throw std::system_error(errno, std::generic_category(), what);
        if (got == 0) return;
        size_ += static_cast<size_t>(got);
        if (size_ == capacity_) wanted = 2 * capacity_;
    }
}

InputFile::InputFile(const std::string& path) : path_(path) {
    fd_ = open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    const FileKind kind = fd_ >= 0 ? KindOfOpenFile(fd_) : FileKind::kMissing;
    if (fd_ >= 0 && kind != FileKind::kFile && kind != FileKind::kEmptyFile) {
        close(fd_);
        fd_ = -1;
    }
}

InputFile::~InputFile() {
    if (fd_ >= 0) close(fd_);
}

std::string_view InputFile::Read(InputBuffer& bytes) {
    struct stat info;
    if (fd_ < 0 || fstat(fd_, &info) != 0) throw std::runtime_error("input not open");
    bytes.ReadAll(fd_, static_cast<size_t>(info.st_size), path_);
    return bytes.View();
}

}  // namespace quorin
