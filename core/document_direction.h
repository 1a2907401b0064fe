#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quorin {

// The letters of a code stream that decide its direction.
struct LetterCount {
    size_t rightToLeft = 0;  // letters of the Hebrew (9), Arabic (13) and Arabic-script (14) sets
    size_t latin = 0;        // A-Z and a-z, as text or set 0, and the letters of set 1
};

// Whether a character of a WordPerfect set is a letter of either kind.
bool IsRightToLeftLetter(uint8_t set, uint8_t character);
bool IsLatinLetter(uint8_t set, uint8_t character);

// Counts the letters of a code stream in one pass, framing codes as the
// reader does and passing over their contents, so that text held inside a
// code (a header, a note) does not count.
LetterCount CountLetters(std::string_view codes);

// Whether a whole WordPerfect file reads right to left: its document area
// holds more right-to-left letters than Latin ones. A tie, a document without
// letters and a file without a readable header read left to right.
bool ReadsRightToLeft(std::string_view file);

}  // namespace quorin

#include "core/conversion_options.h"

namespace quorin {

// The options one file converts with: a copy of the batch's, with the
// direction decided from the letters of the (plain) file when the batch asks
// for that and does not force right to left.
ConversionOptions DocumentOptions(const ConversionOptions& batch, std::string_view file);

}  // namespace quorin
