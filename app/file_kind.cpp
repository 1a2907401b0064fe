#include "app/file_kind.h"

#include <sys/stat.h>

#include "app/message_texts.h"

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
    return stat(path.c_str(), &info) == 0 ? KindOf(info) : FileKind::kMissing;
}

FileKind KindOfOpenFile(int fd) {
    struct stat info;
    return fstat(fd, &info) == 0 ? KindOf(info) : FileKind::kMissing;
}

std::string PassedOverText(FileKind kind, const std::string& shown) {
    switch (kind) {
        case FileKind::kFile: return {};
        case FileKind::kFolder: return texts::IsAFolder(shown);
        case FileKind::kEmptyFile: return texts::IsEmpty(shown);
        case FileKind::kMissing:
        case FileKind::kOther: break;
    }
    return texts::NotARegularFile(shown);
}

}  // namespace quorin
