#pragma once
#include <string>

#include "core/rtf_buffer.h"

namespace quorin {

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
    // Reads the whole file into `document`; throws when the read fails.
    size_t Read(RtfBuffer& document);

private:
    std::string path_;
    int fd_ = -1;
};

}  // namespace quorin
