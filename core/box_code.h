#pragma once
#include <cstdint>
#include <string_view>

namespace quorin {

// What a box holds, as its box code's content type byte says.
enum class BoxContentType : uint8_t {
    kNone = 0x00,      // an empty box, or a line
    kEquation = 0x08,  // an equation: its source text and its drawn form
    kText = 0x10,      // WordPerfect text
    // Other values: a graphic kept in the document (0x80) or a file on disk.
};

// The parts of a box code (0xDA) that hold text, as views into the code.
// Offsets count from the code byte: the content type at 52, the caption's
// length in bytes at 119 and the caption from 121; after the caption, the
// text of a text box, or an equation's 12-byte block (its source's length at
// +10) followed by the source and then the drawn form. Every part ends where
// the code's trailing length word starts, however long a length says it is.
struct BoxCode {
    uint8_t contentType = 0;
    std::string_view caption;
    std::string_view text;  // a box's text, or an equation's source; empty for other contents
};

BoxCode ReadBoxCode(std::string_view code);

}  // namespace quorin
