#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "core/cancel_request.h"

namespace quorin {

// The bytes of one input at a time, in memory that is reused from input to
// input and never zero-filled before it is read into.
class InputBuffer {
public:
    std::string_view View() const { return {data_.get(), size_}; }
    // Reads `fd` to its end; `expected` is its size when known (0 when not).
    // Throws std::system_error (naming `what`) when a read fails, or when it
    // is interrupted while `cancel` is set.
    void ReadAll(int fd, size_t expected, const std::string& what, const CancelRequest* cancel = nullptr);

private:
    std::unique_ptr<char[]> data_;
    size_t size_ = 0;
    size_t capacity_ = 0;
};

// A batch input opened for reading as raw bytes; closed when destroyed.
class InputFile {
public:
    explicit InputFile(const std::string& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // False when the path cannot be opened or is not a regular file.
    bool IsOpen() const { return fd_ >= 0; }
    // The batch's text for a file that did not open.
    std::string ErrorText() const { return "Error opening file \"" + path_ + "\"!"; }
    // Reads the whole file into `bytes`; throws when the read fails.
    std::string_view Read(InputBuffer& bytes);

private:
    std::string path_;
    int fd_ = -1;
};

}  // namespace quorin
