#include "app/file_kind.h"

#include <sys/stat.h>

#include <cerrno>


namespace quorin {

namespace {

FileKind KindOf(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) return FileKind::kFolder;
    if (!S_ISREG(info.st_mode)) return FileKind::kOther;
    return info.st_size > 0 ? FileKind::kFile : FileKind::kEmptyFile;
}

}  // namespace

FileKind KindOfPath(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) == 0) return KindOf(info);
    return errno == ENOENT && lstat(path.c_str(), &info) == 0 ? FileKind::kBrokenLink : FileKind::kMissing;
}

FileKind KindOfOpenFile(int fd) {
    struct stat info;
    return fstat(fd, &info) == 0 ? KindOf(info) : FileKind::kMissing;
}

ReasonKind PassedOverReason(FileKind kind) {
    switch (kind) {
        case FileKind::kFile: return ReasonKind::kNone;
        case FileKind::kFolder: return ReasonKind::kFolder;
        case FileKind::kEmptyFile: return ReasonKind::kEmpty;
        case FileKind::kBrokenLink: return ReasonKind::kBrokenLink;
        case FileKind::kMissing:
        case FileKind::kOther: break;
    }
    return ReasonKind::kNotRegularFile;
}

}  // namespace quorin
