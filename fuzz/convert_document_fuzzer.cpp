// libFuzzer entry: any bytes through the whole conversion. A failure raised
// for a code too short for its fields is the documented way a file fails.
#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "core/convert_document.h"

// The options come from the input's length, so that both directions are
// reached without converting every input twice.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    quorin::ConversionOptions options;
    options.rightToLeftDocument = size & 1;
    options.reverseParentheses = (size >> 1) & 1;
    options.reverseTabAlignment = (size >> 2) & 1;
    quorin::RtfBuffer document(reinterpret_cast<const char*>(data), size), message;
    try {
        quorin::ConvertDocument(document, message, nullptr, options);
    } catch (const std::invalid_argument&) {
    }
    return 0;
}
