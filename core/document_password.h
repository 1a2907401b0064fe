#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "core/rtf_buffer.h"

namespace quorin {

// Password-protected WordPerfect 5.x documents. The header's encryption key
// (bytes 12 and 13) is 0 for a plain document and otherwise a check value of
// the password; every byte after the 16-byte header is combined (XOR) with
// the password, repeated, and with a byte counter that starts at the
// password's length plus 1 and wraps from 255 to 0. Passwords are not
// case-sensitive: their letters are taken in capitals.

// The check value a document protected by `password` carries in its header.
uint16_t PasswordCheck(std::string_view password);

// The header's encryption key; 0 for a plain document or a short file.
uint16_t EncryptionKeyOf(std::string_view document);

// Applies the password stream to every byte after the header. Applied twice
// it gives the bytes back, so it encrypts and decrypts alike.
void ApplyPasswordStream(RtfBuffer& document, std::string_view password);

// Turns a protected document into the plain one in place when `password`
// matches its check value (the key is cleared); false, and the document left
// as it is, when it does not.
bool UnlockDocument(RtfBuffer& document, std::string_view password);

}  // namespace quorin
