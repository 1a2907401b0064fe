#include "core/rtf_buffer.h"

#include <charconv>
#include <stdexcept>

namespace quorin {

uint8_t RtfBuffer::At(size_t offset) const {
    if (offset < size()) return static_cast<uint8_t>((*this)[offset]);
    if (offset == size()) return 0;
    throw std::invalid_argument("invalid string position");
}

RtfBuffer& RtfBuffer::AppendDecimal(long long value) {
    char digits[24];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    append(digits, result.ptr);
    return *this;
}

}  // namespace quorin
