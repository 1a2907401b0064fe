#pragma once
#include <cstdint>
#include <string>

#include "app/crlf_sink.h"

namespace quorin {

// A file made in a folder that becomes an output only when it is published.
// It is unnamed where the file system allows it, so that nothing is left
// behind whatever ends the program; elsewhere it has a short hidden name of
// its own (".qrn" and six letters) and is removed when discarded or
// destroyed. It is made when a writer first opens it.
class TemporaryFile final : public SinkTarget {
public:
    TemporaryFile() = default;
    // A file to be made in `folder` (made itself when missing).
    explicit TemporaryFile(std::string folder) : folder_(std::move(folder)) {}
    ~TemporaryFile() override { Discard(); }
    TemporaryFile(TemporaryFile&& other) noexcept;
    TemporaryFile& operator=(TemporaryFile&& other) noexcept;

    // Makes the file, or gives the one made already; -1 with errno set when
    // it cannot be made.
    int Open() override;
    bool IsOpen() const { return fd_ >= 0; }

    // Gives the file the name `path`, which must not exist; false when it
    // cannot (errno set), the file is then still there to discard.
    bool Publish(const std::string& path);
    // Gives the file the name `path`, replacing a file of that name in one
    // step; false when it cannot (the file is then still there to discard).
    bool Replace(const std::string& path);
    // Copies the first `bytes` bytes of the file to `fd`; false when a write
    // failed.
    bool CopyTo(int fd, uint64_t bytes);
    // Closes and removes the file, if any.
    void Discard();

    // For tests: every file made from now on takes the named way.
    static void UseNamedFilesOnly(bool named);

private:
    bool OpenNamed();
    std::string TemporaryName() const;

    std::string folder_;
    std::string temporaryPath_;  // empty for an unnamed file
    int fd_ = -1;
};

}  // namespace quorin
