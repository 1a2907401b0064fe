#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/cancel_request.h"
#include "core/conversion_options.h"
#include "core/rtf_buffer.h"

namespace quorin::test {

// For readers and tables that run outside a batch.
inline const CancelRequest kNeverCancelled;

// Bytes from a list of numbers: Bytes({0xC3, 12}).
std::string Bytes(std::initializer_list<int> values);
// A 16-bit little-endian word, and a 32-bit one.
std::string Word(int value);
std::string Dword(uint32_t value);

// A fixed-length code (0xC1 to 0xCF): the code byte, then `fields`, padded
// with zero bytes to the code's length (the last byte repeats the code byte).
std::string Fixed(uint8_t code, std::initializer_list<int> fields = {});
// A variable-length code: code byte, subfunction, length word, `fields` (which
// start at offset 4 of the code), then the trailing length word and code byte.
std::string Variable(uint8_t code, uint8_t subfunction, std::string_view fields = {});
// A variable-length code whose fields put `value` at `offset` (counted from the
// code byte) and zero elsewhere, `size` bytes of fields after offset 4.
std::string VariableWithByteAt(uint8_t code, uint8_t subfunction, size_t offset, int value, size_t minimumSize = 0);
// An extended character.
std::string Extended(uint8_t set, uint8_t character);

// Builds a WordPerfect 5.x file: the 16-byte header, an index block chain for
// the packets (four entries a block) and the document area.
class WpDocument {
public:
    WpDocument& Body(std::string_view bytes) { body_ += bytes; return *this; }
    WpDocument& Packet(uint16_t type, std::string data) { packets_.emplace_back(type, std::move(data)); return *this; }
    WpDocument& MinorVersion(uint8_t minor) { minor_ = minor; return *this; }
    std::string Build() const;

private:
    std::string body_;
    std::vector<std::pair<uint16_t, std::string>> packets_;
    uint8_t minor_ = 1;
};

// The document as WordPerfect saves it protected by `password`: the header's
// key set to the password's check value, everything after the header
// combined with the password stream.
std::string EncryptDocument(const std::string& file, const std::string& password);

// Converts a whole file; returns the RTF (or throws what the conversion throws).
// `result` receives the conversion's result code.
std::string ConvertFile(const std::string& file, const ConversionOptions& options, int* result = nullptr,
                        std::string* message = nullptr);
std::string ConvertFile(const std::string& file);

// Runs a document reader over a bare code stream, returning what it wrote.
std::string ConvertBody(std::string_view codes, const ConversionOptions& options);
std::string ConvertBody(std::string_view codes);

// The frame of a left-to-right document without packets, around `body`.
std::string PlainFrame(std::string_view body);

// The bytes of a file under tests/data.
std::string ReadTestData(const std::string& name);

}  // namespace quorin::test
