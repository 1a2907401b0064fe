#pragma once
#include <string_view>

namespace quorin {

// Whether a document refused by the conversion is a WordPerfect document of
// another version that LibreOffice may read instead (--fallback): a document
// with WordPerfect's signature and another major version (6 and later), or,
// without the signature (4.2 and earlier), one that libwpd takes for
// WordPerfect. Text files, other files and RTF files are not.
bool IsOtherWordPerfectVersion(std::string_view bytes);

}  // namespace quorin
