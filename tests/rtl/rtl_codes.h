#pragma once
// Codes that the right-to-left tests build on, beside those of wp_builder.h.
#include <string>
#include <string_view>

#include "support/wp_builder.h"

namespace quorin::test {

// Text-direction setting (0xD3 subfunction 19) with its direction byte.
inline std::string Direction(int byte) { return Variable(0xD3, 19, Bytes({0, byte})); }

// Reversed text (0xD8): two bytes of its own, then the text and its zero byte.
inline std::string Reversed(std::string_view text, int subfunction = 2) {
    return Variable(0xD8, static_cast<uint8_t>(subfunction), std::string(2, '\0') + std::string(text) + '\0');
}

// Justification (0xD0 subfunction 6).
inline std::string Justification(int value) { return VariableWithByteAt(0xD0, 6, 5, value); }

// Text, each character of `numbers` as an extended character of `set`.
inline std::string SetText(uint8_t set, std::initializer_list<int> numbers) {
    std::string codes;
    for (int c : numbers) codes += Extended(set, static_cast<uint8_t>(c));
    return codes;
}

inline const std::string kEnglish = "\\lang1033\\ansicpg1252\\f0\\fs24";
inline const std::string kHebrew = "\\lang1037\\ansicpg1255\\f1000\\fs24";
inline const std::string kArabic = "\\lang1025\\ansicpg1256\\f2000\\fs24";
inline const std::string kRussian = "\\lang1049\\ansicpg1251\\f0\\fs24";
inline const std::string kParagraph = "{\\par}\n";

}  // namespace quorin::test
