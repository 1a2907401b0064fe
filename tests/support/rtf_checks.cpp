#include "support/rtf_checks.h"

#include <string>

namespace quorin::test {

bool BracesBalanced(std::string_view rtf) {
    long depth = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
        char c = rtf[i];
        if (c == '\\') {
            if (i + 1 < rtf.size() && rtf[i + 1] == '\'') i += 3;
            else ++i;  // "\{", "\}", "\\" or the first letter of a control word
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth < 0) return false;
        }
    }
    return depth == 0;
}

std::string HexEscapedText(std::string_view rtf) {
    std::string text;
    for (size_t i = 0; i + 3 < rtf.size(); ++i) {
        if (rtf[i] == '\\' && rtf[i + 1] == '\'') {
            text += static_cast<char>(std::stoi(std::string(rtf.substr(i + 2, 2)), nullptr, 16));
            i += 3;
        }
    }
    return text;
}

}  // namespace quorin::test
