#pragma once
#include <string>
#include <string_view>

namespace quorin {

// The folder a path names its file in: everything before the last "/", or
// "/" for a file at the root and "." for a bare name.
// "dir/a.wp" -> "dir", "/a.wp" -> "/", "a.wp" -> ".", "dir/" -> "dir".
std::string FolderOf(std::string_view path);

// The name after the last "/": "dir/a.wp" -> "a.wp", "a.wp" -> "a.wp",
// "dir/" -> "". A view into `path`.
std::string_view NameOf(std::string_view path);

// `name` inside `folder`, with one "/" between them: ("/", "a") -> "/a",
// ("dir", "a") -> "dir/a". An empty folder leaves the name as it is.
std::string JoinPath(std::string_view folder, std::string_view name);

// Whether anything (a file, folder or dangling link) exists at the path.
// When it cannot be told, it counts as existing, so nothing is overwritten.
bool PathExists(const std::string& path);

// The absolute, lexically normal form of a path ("." and ".." resolved
// without following links), as the batch shows and compares paths.
std::string AbsolutePath(const std::string& path);

}  // namespace quorin
