#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorin {

// A read-only view of WordPerfect bytes (a document, its code stream) with the
// field reads of RtfBuffer: missing bytes past the end read as 0. Reading
// through a view lets the conversion walk the document where it lies.
class CodeView : public std::string_view {
public:
    CodeView() = default;
    CodeView(std::string_view bytes) : std::string_view(bytes) {}
    CodeView(const std::string& bytes) : std::string_view(bytes) {}

    uint8_t ByteOr0(size_t offset) const {
        return offset < size() ? static_cast<uint8_t>((*this)[offset]) : 0;
    }
    uint16_t WordOr0(size_t offset) const {
        return static_cast<uint16_t>(ByteOr0(offset) | (ByteOr0(offset + 1) << 8));
    }
    uint32_t DwordOr0(size_t offset) const {
        return static_cast<uint32_t>(WordOr0(offset)) | (static_cast<uint32_t>(WordOr0(offset + 2)) << 16);
    }
};

}  // namespace quorin
