#include "app/wordperfect_version.h"

#include <librevenge-stream/librevenge-stream.h>
#include <libwpd/libwpd.h>

namespace quorin {

namespace {

constexpr std::string_view kSignature{"\xFFWPC", 4};
constexpr unsigned char kWordPerfect = 1;  // product type
constexpr unsigned char kDocument = 10;    // file type

unsigned char ByteAt(std::string_view bytes, size_t at) { return static_cast<unsigned char>(bytes[at]); }

}  // namespace

bool IsOtherWordPerfectVersion(std::string_view bytes) {
    if (bytes.starts_with(kSignature)) {
        // The header names the product, the kind of file and the major version (0: 5.x).
        return bytes.size() >= 16 && ByteAt(bytes, 8) == kWordPerfect && ByteAt(bytes, 9) == kDocument &&
               ByteAt(bytes, 10) != 0;
    }
    librevenge::RVNGStringStream stream(reinterpret_cast<const unsigned char*>(bytes.data()),
                                        static_cast<unsigned>(bytes.size()));
    return libwpd::WPDocument::isFileFormatSupported(&stream) != libwpd::WPD_CONFIDENCE_NONE;
}

}  // namespace quorin
