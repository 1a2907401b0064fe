// libFuzzer entry: any bytes through the whole conversion. A failure raised
// for a code too short for its fields is the documented way a file fails.
#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "core/convert_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (int rightToLeft : {0, 1}) {
        quorin::ConversionOptions options;
        options.rightToLeftDocument = rightToLeft;
        options.reverseParentheses = rightToLeft;
        options.reverseTabAlignment = rightToLeft;
        quorin::RtfBuffer document(reinterpret_cast<const char*>(data), size), message;
        try {
            quorin::ConvertDocument(document, message, nullptr, options);
        } catch (const std::invalid_argument&) {
        }
    }
    return 0;
}
