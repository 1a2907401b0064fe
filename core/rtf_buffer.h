#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/byte_fields.h"

namespace quorin {

// A growable byte string used for file contents, code texts and RTF text alike.
// Zero bytes are ordinary bytes. Reads through At() are offset-tested: the byte
// at the length reads as 0, anything beyond throws std::invalid_argument.
class RtfBuffer : public std::string, public ByteFields<RtfBuffer> {
public:
    using std::string::string;
    RtfBuffer() = default;
    RtfBuffer(std::string s) : std::string(std::move(s)) {}
    RtfBuffer(std::string_view s) : std::string(s) {}

    // Offset-tested read (see class comment).
    uint8_t At(size_t offset) const;
    int8_t SignedAt(size_t offset) const { return static_cast<int8_t>(At(offset)); }

    // Appends a number in decimal, with a leading "-" when negative.
    RtfBuffer& AppendDecimal(long long value);
    // Appends a control word and its numeric parameter: "\\fs" and 24 give "\\fs24".
    RtfBuffer& AppendControl(std::string_view word, long long value) {
        append(word);
        return AppendDecimal(value);
    }
};

}  // namespace quorin
