#include "cli/in_place_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorin {

bool InPlaceOutput::Begin(int fd) {
    fd_ = -1;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    // Appending writes go to the end wherever the offset is.
    const int flags = fcntl(fd, F_GETFL);
    const off_t at = flags >= 0 && (flags & O_APPEND) ? info.st_size : lseek(fd, 0, SEEK_CUR);
    if (flags < 0 || at != info.st_size) return false;
    fd_ = fd;
    start_ = at;
    return true;
}

void InPlaceOutput::CutBack() {
    if (fd_ >= 0 && ftruncate(fd_, start_) == 0) lseek(fd_, start_, SEEK_SET);
}

}  // namespace quorin
