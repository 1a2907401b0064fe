#include "core/document_direction.h"

#include <algorithm>
#include <array>

#include "core/code_view.h"

namespace quorin {

namespace {

struct Span {
    uint8_t first, last;
};

// The letters of each set, from what the character tables write: points,
// accents, punctuation, digits and ligatures of marks are left out.
constexpr Span kMultinationalLetters[] = {{23, 233}};
constexpr Span kHebrewLetters[] = {{0, 26}, {49, 51}, {83, 118}};
constexpr Span kArabicLetters[] = {{52, 170}, {172, 184}, {187, 188}};
constexpr Span kArabicScriptLetters[] = {{48, 219}};

template <size_t N>
constexpr bool InSpans(const Span (&spans)[N], uint8_t c) {
    return std::any_of(std::begin(spans), std::end(spans), [c](Span s) { return c >= s.first && c <= s.last; });
}

constexpr bool IsAsciiLetter(uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Lengths of the fixed-length codes 0xC0 to 0xCF, code byte included.
constexpr uint8_t kFixedLength[16] = {4, 9, 11, 3, 3, 5, 6, 7, 4, 5, 6, 6, 8, 10, 10, 12};

}  // namespace

bool IsRightToLeftLetter(uint8_t set, uint8_t character) {
    switch (set) {
        case 9: return InSpans(kHebrewLetters, character);
        case 13: return InSpans(kArabicLetters, character);
        case 14: return InSpans(kArabicScriptLetters, character);
        default: return false;
    }
}

bool IsLatinLetter(uint8_t set, uint8_t character) {
    if (set == 0) return IsAsciiLetter(character);
    return set == 1 && InSpans(kMultinationalLetters, character);
}

LetterCount CountLetters(std::string_view codes) {
    LetterCount count;
    size_t at = 0;
    while (at < codes.size()) {
        const uint8_t b = static_cast<uint8_t>(codes[at]);
        const size_t left = codes.size() - at;
        if (b < 0xC0) {
            if (IsAsciiLetter(b)) ++count.latin;
            ++at;
        } else if (b == 0xC0) {
            if (left < 3) break;
            const uint8_t character = static_cast<uint8_t>(codes[at + 1]), set = static_cast<uint8_t>(codes[at + 2]);
            if (IsRightToLeftLetter(set, character)) ++count.rightToLeft;
            else if (IsLatinLetter(set, character)) ++count.latin;
            at += 4;
        } else if (b <= 0xCF) {
            at += kFixedLength[b - 0xC0];
        } else {
            // Variable length: code byte, subfunction, length word and the
            // bytes it counts. A table definition is framed the same way, so
            // the text of its cells, which follows it, is counted.
            if (left < 4) break;
            at += CodeView(codes).WordOr0(at + 2) + size_t{4};
        }
    }
    return count;
}

bool ReadsRightToLeft(std::string_view file) {
    if (file.size() < 16) return false;
    const uint32_t documentArea = CodeView(file).DwordOr0(4);
    if (documentArea > file.size()) return false;
    const LetterCount count = CountLetters(file.substr(documentArea));
    return count.rightToLeft > count.latin;
}

}  // namespace quorin

namespace quorin {

ConversionOptions DocumentOptions(const ConversionOptions& batch, std::string_view file) {
    ConversionOptions document = batch;
    document.rightToLeftDocument =
        batch.rightToLeftDocument != 0 || (batch.decideDirection != 0 && ReadsRightToLeft(file)) ? 1 : 0;
    document.decideDirection = 0;
    return document;
}

}  // namespace quorin
