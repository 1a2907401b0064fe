#pragma once
#include <cstddef>
#include <cstdint>

namespace quorin {

// The reads of little-endian fields of WordPerfect bytes that may lie past
// the end of a short code or file: missing bytes read as 0. Mixed into the
// byte strings (class Bytes : ..., public ByteFields<Bytes>) that need them.
template <class Bytes>
class ByteFields {
public:
    uint8_t ByteOr0(size_t offset) const {
        const Bytes& bytes = static_cast<const Bytes&>(*this);
        return offset < bytes.size() ? static_cast<uint8_t>(bytes[offset]) : 0;
    }
    uint16_t WordOr0(size_t offset) const {
        return static_cast<uint16_t>(ByteOr0(offset) | (ByteOr0(offset + 1) << 8));
    }
    int16_t SignedWordOr0(size_t offset) const { return static_cast<int16_t>(WordOr0(offset)); }
    uint32_t DwordOr0(size_t offset) const {
        return static_cast<uint32_t>(WordOr0(offset)) | (static_cast<uint32_t>(WordOr0(offset + 2)) << 16);
    }
};

}  // namespace quorin
