#include "app/tree_walk.h"

#include <dirent.h>
#include <fnmatch.h>
#include <glob.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <optional>

#include "app/file_kind.h"
#include "app/path_text.h"

namespace quorin {

namespace {

bool HasWildcard(const std::string& text) { return text.find_first_of("*?[") != std::string::npos; }

bool IsFolder(const std::string& path) { return KindOfPath(path) == FileKind::kFolder; }

std::string RelativeTo(const std::string& base, const std::string& path) {
    return std::filesystem::path(path).lexically_relative(base).string();
}

// The leading folders of a pattern's folder part that hold no wildcard.
std::string FixedLeadingFolders(const std::string& folders) {
    std::string fixed;
    size_t start = 0;
    if (folders.starts_with('/')) {
        fixed = "/";
        start = 1;
    }
    while (start <= folders.size()) {
        size_t slash = folders.find('/', start);
        std::string part = folders.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        if (HasWildcard(part)) break;
        if (!part.empty()) fixed += (fixed.empty() || fixed.ends_with('/') ? "" : "/") + part;
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    return fixed.empty() ? "." : fixed;
}

class TreeWalk {
public:
    TreeWalk(const std::string& skipFolder, std::vector<std::string>& unreadable) : unreadable_(unreadable) {
        struct stat info;
        if (stat(skipFolder.c_str(), &info) == 0) skip_ = info;
    }

    void Walk(const std::string& folder, const std::string& names, const std::string& base) {
        struct stat info;
        if (stat(folder.c_str(), &info) != 0) return;
        if (skip_ && info.st_dev == skip_->st_dev && info.st_ino == skip_->st_ino) return;
        DIR* directory = opendir(folder.c_str());
        if (!directory) {
            unreadable_.push_back(folder);
            return;
        }
        std::vector<std::string> entries;
        while (dirent* entry = readdir(directory)) {
            std::string name = entry->d_name;
            if (name != "." && name != "..") entries.push_back(name);
        }
        closedir(directory);
        std::sort(entries.begin(), entries.end());
        for (const std::string& name : entries) {
            std::string path = JoinPath(folder, name);
            struct stat entryInfo;
            if (lstat(path.c_str(), &entryInfo) != 0) continue;
            if (S_ISDIR(entryInfo.st_mode)) {
                if (!name.starts_with('.')) Walk(path, names, base);
            } else if (fnmatch(names.c_str(), name.c_str(), FNM_PERIOD) == 0 &&
                       !(S_ISLNK(entryInfo.st_mode) && IsFolder(path))) {
                found.push_back({path, RelativeTo(base, path)});
            }
        }
    }

    std::vector<FoundFile> found;

private:
    std::vector<std::string>& unreadable_;
    std::optional<struct stat> skip_;
};

}  // namespace

std::vector<FoundFile> FindInTree(const std::string& item, const std::string& skipFolder,
                                  std::vector<std::string>& unreadable) {
    TreeWalk walk(skipFolder, unreadable);
    if (const FileKind kind = KindOfPath(item); kind != FileKind::kMissing) {
        std::string path = AbsolutePath(item);
        if (kind == FileKind::kFolder) walk.Walk(path, "*", path);
        else walk.found.push_back({path, std::string(NameOf(path))});
        return std::move(walk.found);
    }
    std::string folders = FolderOf(item);
    std::string names(NameOf(item));
    if (names.empty()) return {};
    std::string base = AbsolutePath(FixedLeadingFolders(folders));
    std::vector<std::string> matches;
    if (HasWildcard(folders)) {
        glob_t globbed{};
        if (glob(folders.c_str(), GLOB_ONLYDIR, nullptr, &globbed) == 0)
            matches.assign(globbed.gl_pathv, globbed.gl_pathv + globbed.gl_pathc);
        globfree(&globbed);
    } else {
        matches.push_back(folders);
    }
    for (const std::string& folder : matches) {
        if (IsFolder(folder)) walk.Walk(AbsolutePath(folder), names, base);
    }
    return std::move(walk.found);
}

}  // namespace quorin
