#pragma once
#include <string>

#include "app/file_outcome.h"

namespace quorin {

// What a path or an open file is, as the batch sorts its inputs: only a
// regular file with bytes in it is converted; folders, devices, pipes and
// empty files are passed over.
enum class FileKind {
    kMissing,    // cannot be looked up
    kBrokenLink, // a link whose target does not exist
    kFolder,
    kEmptyFile,  // a regular file of no bytes
    kFile,       // a regular file with bytes
    kOther,      // a device, pipe or socket
};

// Links are followed.
FileKind KindOfPath(const std::string& path);
FileKind KindOfOpenFile(int fd);

// Why a file of that kind is passed over; kNone for a regular file with bytes.
ReasonKind PassedOverReason(FileKind kind);

}  // namespace quorin
