#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/byte_fields.h"

namespace quorin {

// A read-only view of WordPerfect bytes (a document, its code stream) with the
// field reads of RtfBuffer. Reading through a view lets the conversion walk
// the document where it lies.
class CodeView : public std::string_view, public ByteFields<CodeView> {
public:
    CodeView() = default;
    CodeView(std::string_view bytes) : std::string_view(bytes) {}
    CodeView(const std::string& bytes) : std::string_view(bytes) {}
};

}  // namespace quorin
