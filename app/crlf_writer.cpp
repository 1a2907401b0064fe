#include "app/crlf_writer.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace quorin {

char* CopyWithCrLf(std::string_view text, char* to) {
    const char* from = text.data();
    const char* const end = from + text.size();
    while (from < end) {
        const void* found = std::memchr(from, '\n', static_cast<size_t>(end - from));
        const char* lineFeed = found ? static_cast<const char*>(found) : end;
        std::memcpy(to, from, static_cast<size_t>(lineFeed - from));
        to += lineFeed - from;
        if (lineFeed == end) break;
        *to++ = '\r';
        *to++ = '\n';
        from = lineFeed + 1;
    }
    return to;
}

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

bool WriteWithCrLf(int fd, std::string_view text) {
    // A slice at a time, so a large text is not held twice.
    constexpr size_t kSlice = 1 << 16;
    std::unique_ptr<char[]> slice(new char[2 * kSlice]);
    for (size_t at = 0; at < text.size(); at += kSlice) {
        const char* end = CopyWithCrLf(text.substr(at, kSlice), slice.get());
        if (!WriteAll(fd, slice.get(), static_cast<size_t>(end - slice.get()))) return false;
    }
    return true;
}

}  // namespace quorin
