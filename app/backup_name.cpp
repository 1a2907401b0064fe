#include "app/backup_name.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>

#include "app/path_text.h"

namespace quorin {

std::string MakeBackupName(const std::string& path) {
    // The dot is looked for in the file name only, so a dotted folder name
    // cannot turn the backup into a path in another folder.
    const size_t nameStart = path.size() - NameOf(path).size();
    size_t dot = path.rfind('.');
    std::string base = path, extension;
    if (dot != std::string::npos && dot >= nameStart) {
        base = path.substr(0, dot);
        extension = path.substr(dot + 1);
    }
    for (int number = 0; number < 1000; ++number) {
        char digits[4];
        snprintf(digits, sizeof digits, "%03d", number);
        std::string candidate = base + "_" + digits + "." + extension;
        if (!PathExists(candidate)) return candidate;
    }
    return {};
}

bool RenameNoReplace(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without the flag: a hard link cannot replace either.
    if (link(from.c_str(), to.c_str()) == 0) {
        unlink(from.c_str());
        return true;
    }
    if (errno != EPERM && errno != ENOTSUP) return false;
    return !PathExists(to) && rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace quorin
