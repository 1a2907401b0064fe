#include "app/crlf_sink.h"

#include <cerrno>
#include <string_view>

#include "app/crlf_writer.h"

namespace quorin {

CrLfSink::CrLfSink() : block_(new char[kPieceSize]), blockSize_(kPieceSize), translated_(new char[2 * kPieceSize]) {
    SetBlock(block_.get(), 0, blockSize_);
}

void CrLfSink::Begin(SinkTarget& target) {
    target_ = &target;
    fd_ = -1;
    error_ = 0;
    noFileMade_ = false;
    fileBytes_ = 0;
    SetBlock(block_.get(), 0, blockSize_);
}

void CrLfSink::Drop() { SetBlock(block_.get(), 0, blockSize_); }

bool CrLfSink::OpenTarget() {
    if (fd_ >= 0 || error_ != 0) return error_ == 0;
    fd_ = target_ ? target_->Open() : (errno = EBADF, -1);
    if (fd_ >= 0) return true;
    error_ = errno;
    noFileMade_ = true;
    return false;
}

void CrLfSink::HandOn() {
    if (size() == 0) return;
    if (OpenTarget()) {
        const char* end = CopyWithCrLf(std::string_view(data(), size()), translated_.get());
        const size_t bytes = static_cast<size_t>(end - translated_.get());
        if (WriteAll(fd_, translated_.get(), bytes)) fileBytes_ += bytes;
        else error_ = errno;
    }
    NoteHandedOn(size());
}

void CrLfSink::MakeRoom(size_t count) {
    HandOn();
    if (count <= blockSize_) return;
    // One append larger than a piece (a long table): the pieces grow for it.
    blockSize_ = count;
    block_.reset(new char[blockSize_]);
    translated_.reset(new char[2 * blockSize_]);
    SetBlock(block_.get(), 0, blockSize_);
}

bool CrLfSink::Finish() {
    HandOn();
    OpenTarget();
    return error_ == 0;
}

bool CrLfSink::WriteHeldTo(int fd) {
    const char* end = CopyWithCrLf(std::string_view(data(), size()), translated_.get());
    return WriteAll(fd, translated_.get(), static_cast<size_t>(end - translated_.get()));
}

}  // namespace quorin
