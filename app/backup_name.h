#pragma once
#include <string>

namespace quorin {

// The first free name of NAME_000.EXT ... NAME_999.EXT for path NAME.EXT
// (NAME_000. when the file name has no dot); empty when all 1000 are taken.
std::string MakeBackupName(const std::string& path);

// Renames without ever replacing an existing target; false when the target
// exists or the rename fails.
bool RenameNoReplace(const std::string& from, const std::string& to);

}  // namespace quorin
