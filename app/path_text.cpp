#include "app/path_text.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

namespace quorin {

std::string FolderOf(std::string_view path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return ".";
    const size_t end = path.find_last_not_of('/', slash);  // "a//b": the folder is "a"
    return end == std::string_view::npos ? "/" : std::string(path.substr(0, end + 1));
}

std::string_view NameOf(std::string_view path) { return path.substr(path.rfind('/') + 1); }

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && !path.ends_with('/')) path += '/';
    return path += name;
}

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
