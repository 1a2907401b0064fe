#include "support/wp_builder.h"

#include "core/document_password.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/convert_document.h"
#include "core/document_reader.h"

namespace quorin::test {

namespace {
constexpr int kFixedLength[16] = {4, 9, 11, 3, 3, 5, 6, 7, 4, 5, 6, 6, 8, 10, 10, 12};
}

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v & 0xFF);
    return s;
}

std::string Word(int value) { return Bytes({value & 0xFF, (value >> 8) & 0xFF}); }

std::string Dword(uint32_t value) {
    return Word(static_cast<int>(value & 0xFFFF)) + Word(static_cast<int>(value >> 16));
}

std::string Fixed(uint8_t code, std::initializer_list<int> fields) {
    std::string s(1, static_cast<char>(code));
    for (int v : fields) s += static_cast<char>(v & 0xFF);
    size_t length = kFixedLength[code - 0xC0];
    if (s.size() < length) s.resize(length, '\0');
    if (s.size() == length && fields.size() + 1 < length) s.back() = static_cast<char>(code);
    return s;
}

std::string Variable(uint8_t code, uint8_t subfunction, std::string_view fields) {
    int length = static_cast<int>(fields.size()) + 3;
    return std::string(1, static_cast<char>(code)) + static_cast<char>(subfunction) + Word(length) +
           std::string(fields) + Word(length) + static_cast<char>(code);
}

std::string VariableWithByteAt(uint8_t code, uint8_t subfunction, size_t offset, int value, size_t minimumSize) {
    std::string fields(std::max(minimumSize, offset - 3), '\0');
    fields[offset - 4] = static_cast<char>(value & 0xFF);
    return Variable(code, subfunction, fields);
}

std::string Extended(uint8_t set, uint8_t character) {
    return Bytes({0xC0, character, set, 0xC0});
}

std::string WpDocument::Build() const {
    // Layout: header, index blocks (each 10 + 4 * 10 bytes), packet data, body.
    size_t blocks = (packets_.size() + 3) / 4;
    if (blocks == 0) blocks = 1;
    size_t dataStart = 16 + blocks * 50;
    std::string prefix, data;
    for (size_t b = 0; b < blocks; ++b) {
        size_t first = b * 4;
        size_t count = std::min<size_t>(4, packets_.size() - std::min(first, packets_.size()));
        uint32_t next = b + 1 < blocks ? static_cast<uint32_t>(16 + (b + 1) * 50) : 0;
        std::string block = Word(0xFFFB) + Word(static_cast<int>(count + 1)) + Word(0) + Dword(next);
        for (size_t i = 0; i < 4; ++i) {
            if (i < count) {
                const auto& [type, bytes] = packets_[first + i];
                block += Word(type) + Dword(static_cast<uint32_t>(bytes.size())) +
                         Dword(static_cast<uint32_t>(dataStart + data.size()));
                data += bytes;
            } else {
                block += std::string(10, '\0');
            }
        }
        prefix += block;
    }
    uint32_t documentArea = static_cast<uint32_t>(dataStart + data.size());
    std::string header = Bytes({0xFF, 'W', 'P', 'C'}) + Dword(documentArea) + Bytes({1, 10, 0, minor_}) + Word(0) + Word(0);
    return header + prefix + data + body_;
}

std::string ConvertFile(const std::string& file, const ConversionOptions& options, int* result, std::string* message) {
    RtfBuffer document(file), text;
    int r = ConvertDocument(document, text, nullptr, options);
    if (result) *result = r;
    if (message) *message = text;
    return document;
}

std::string ConvertFile(const std::string& file) {
    ConversionOptions options;
    return ConvertFile(file, options);
}

std::string ConvertBody(std::string_view codes, const ConversionOptions& options) {
    DocumentReader reader(options, kNeverCancelled);
    RtfBuffer stream{std::string(codes)}, out;
    reader.Run(stream, out, nullptr, false);
    return out;
}

std::string ConvertBody(std::string_view codes) {
    ConversionOptions options;
    return ConvertBody(codes, options);
}

std::string EncryptDocument(const std::string& file, const std::string& password) {
    RtfBuffer document(file);
    ApplyPasswordStream(document, password);
    uint16_t check = PasswordCheck(password);
    document[12] = static_cast<char>(check & 0xFF);
    document[13] = static_cast<char>(check >> 8);
    return document;
}

std::string PlainFrame(std::string_view body) {
    return std::string("{\\rtf1\\ansi\n\\deff0{\\stylesheet}\\qj\\fet2\\enddoc\\aenddoc\\ftnnar\\aftnnar\\viewkind1\\facingp"
                       "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440"
                       "\\ltrdoc\\ltrgutter\\ltrsect\\ltrpar") +
           std::string(body) + "}";
}

std::string ReadTestData(const std::string& name) {
    std::ifstream in(std::string(QUORIN_TEST_DATA) + "/" + name, std::ios::binary);
    if (!in) throw std::runtime_error("missing test data " + name);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace quorin::test
