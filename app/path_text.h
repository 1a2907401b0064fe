#pragma once
#include <string>

namespace quorin {

// Whether anything (a file, folder or dangling link) exists at the path.
// When it cannot be told, it counts as existing, so nothing is overwritten.
bool PathExists(const std::string& path);

// The absolute, lexically normal form of a path ("." and ".." resolved
// without following links), as the batch shows and compares paths.
std::string AbsolutePath(const std::string& path);

}  // namespace quorin
