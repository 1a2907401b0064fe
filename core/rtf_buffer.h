#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorin {

// A growable byte string used for file contents, code texts and RTF text alike.
// Zero bytes are ordinary bytes. Reads through At() are offset-tested: the byte
// at the length reads as 0, anything beyond throws std::invalid_argument.
class RtfBuffer : public std::string {
public:
    using std::string::string;
    RtfBuffer() = default;
    RtfBuffer(std::string s) : std::string(std::move(s)) {}
    RtfBuffer(std::string_view s) : std::string(s) {}

    // Offset-tested read (see class comment).
    uint8_t At(size_t offset) const;
    int8_t SignedAt(size_t offset) const { return static_cast<int8_t>(At(offset)); }

    // Reads of fields that may lie past the end of a short code: missing bytes read as 0.
    uint8_t ByteOr0(size_t offset) const {
        return offset < size() ? static_cast<uint8_t>((*this)[offset]) : 0;
    }
    uint16_t WordOr0(size_t offset) const {
        return static_cast<uint16_t>(ByteOr0(offset) | (ByteOr0(offset + 1) << 8));
    }
    int16_t SignedWordOr0(size_t offset) const { return static_cast<int16_t>(WordOr0(offset)); }
    uint32_t DwordOr0(size_t offset) const {
        return static_cast<uint32_t>(WordOr0(offset)) | (static_cast<uint32_t>(WordOr0(offset + 2)) << 16);
    }

    // Appends a number in decimal, with a leading "-" when negative.
    RtfBuffer& AppendDecimal(long long value);
    // Appends a control word and its numeric parameter: "\\fs" and 24 give "\\fs24".
    RtfBuffer& AppendControl(std::string_view word, long long value) {
        append(word);
        return AppendDecimal(value);
    }
};

}  // namespace quorin
