#include "app/path_text.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

namespace quorin {

bool PathExists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0 || errno != ENOENT;
}

std::string AbsolutePath(const std::string& path) {
    std::filesystem::path result = std::filesystem::absolute(path).lexically_normal();
    std::string text = result.string();
    // "out/" normalises to "out/"; the trailing separator is the caller's business.
    if (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

}  // namespace quorin
