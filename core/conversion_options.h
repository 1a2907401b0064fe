#pragma once
#include <string>

namespace quorin {

// The settings of one batch, a plain value: a document's own options are a
// copy with its direction decided. The conversion only reads them; the
// request to cancel travels beside them (see CancelRequest).
struct ConversionOptions {
    int rightToLeftDocument = 0;
    int reverseParentheses = 0;
    int reverseTabAlignment = 0;
    int convertToWord = 0;
    int decideDirection = 0;  // each document right to left when its letters are mostly so (-r wins)
    std::string password;  // opens password-protected documents; empty: none
};

}  // namespace quorin
