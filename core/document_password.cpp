#include "core/document_password.h"

namespace quorin {

namespace {

constexpr size_t kHeaderSize = 16;
constexpr size_t kKeyOffset = 12;
constexpr uint16_t kIndexBlock = 0xFFFB;

std::string InCapitals(std::string_view password) {
    std::string capitals(password);
    for (char& c : capitals)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return capitals;
}

// Whether the plain text begins with an index block whose packets lie in
// the file, as every prefix area does.
bool PrefixOpens(const RtfBuffer& document) {
    constexpr size_t kEntrySize = 10;
    if (document.DwordOr0(4) < kHeaderSize + kEntrySize || document.WordOr0(kHeaderSize) != kIndexBlock) return false;
    const uint16_t entries = document.WordOr0(kHeaderSize + 2);
    if (entries == 0 || entries > 5) return false;
    for (size_t i = 1; i < entries; ++i) {
        const size_t entry = kHeaderSize + i * kEntrySize;
        const uint64_t length = document.DwordOr0(entry + 2), offset = document.DwordOr0(entry + 6);
        if (length != 0 && (offset < kHeaderSize || offset + length > document.size())) return false;
    }
    return true;
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

// The check value's rule is known from descriptions of the format rather
// than from its makers, so a password whose plain text begins with the index
// block that opens every prefix area is taken as right too: a document must
// never stay locked for its own password.
bool UnlockDocument(RtfBuffer& document, std::string_view password) {
    uint16_t key = EncryptionKeyOf(document);
    if (key == 0) return true;
    if (password.empty()) return false;
    ApplyPasswordStream(document, password);
    if (PasswordCheck(password) != key && !PrefixOpens(document)) {
        ApplyPasswordStream(document, password);
        return false;
    }
    document[kKeyOffset] = document[kKeyOffset + 1] = 0;
    return true;
}

}  // namespace quorin
