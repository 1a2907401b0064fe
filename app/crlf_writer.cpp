#include "app/crlf_writer.h"

#include <unistd.h>

#include <cerrno>
#include <string>

namespace quorin {

namespace {

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t written = write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

}  // namespace

bool WriteWithCrLf(int fd, std::string_view text) {
    // Converted a slice at a time so a large document is not held twice.
    constexpr size_t kSlice = 1 << 16;
    std::string slice;
    slice.reserve(kSlice * 2);
    while (!text.empty()) {
        std::string_view part = text.substr(0, kSlice);
        text.remove_prefix(part.size());
        slice.clear();
        for (size_t start = 0;;) {
            size_t lineFeed = part.find('\n', start);
            if (lineFeed == std::string_view::npos) {
                slice.append(part.substr(start));
                break;
            }
            slice.append(part.substr(start, lineFeed - start));
            slice.append("\r\n");
            start = lineFeed + 1;
        }
        if (!WriteAll(fd, slice.data(), slice.size())) return false;
    }
    return true;
}

}  // namespace quorin
