#include "core/document_password.h"

namespace quorin {

namespace {

constexpr size_t kHeaderSize = 16;
constexpr size_t kKeyOffset = 12;

std::string InCapitals(std::string_view password) {
    std::string capitals(password);
    for (char& c : capitals)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return capitals;
}

}  // namespace

// Each letter turns the value one bit to the right and enters its high byte.
uint16_t PasswordCheck(std::string_view password) {
    uint16_t check = 0;
    for (char c : InCapitals(password))
        check = static_cast<uint16_t>(((check >> 1) | (check << 15)) ^ (static_cast<uint8_t>(c) << 8));
    return check;
}

uint16_t EncryptionKeyOf(std::string_view document) {
    if (document.size() < kHeaderSize) return 0;
    return static_cast<uint16_t>(static_cast<uint8_t>(document[kKeyOffset]) |
                                 static_cast<uint8_t>(document[kKeyOffset + 1]) << 8);
}

void ApplyPasswordStream(RtfBuffer& document, std::string_view password) {
    if (password.empty()) return;
    std::string key = InCapitals(password);
    uint8_t counter = static_cast<uint8_t>(key.size() + 1);
    for (size_t i = kHeaderSize, k = 0; i < document.size(); ++i, ++counter) {
        document[i] = static_cast<char>(document[i] ^ key[k] ^ counter);
        if (++k == key.size()) k = 0;
    }
}

bool UnlockDocument(RtfBuffer& document, std::string_view password) {
    uint16_t key = EncryptionKeyOf(document);
    if (key == 0) return true;
    if (password.empty() || PasswordCheck(password) != key) return false;
    ApplyPasswordStream(document, password);
    document[kKeyOffset] = document[kKeyOffset + 1] = 0;
    return true;
}

}  // namespace quorin
