#pragma once
#include <string>
#include <string_view>

namespace quorin {

// Puts the characters of converted text in the opposite order. `rtf` is text
// whose every character is one unit (an escape, a control symbol or a group),
// as a reader writes it for reversed text. Control words that change
// formatting (script, font, size, attributes) are not reversed with the
// characters: each run of characters written under the same formatting
// becomes one group that states that formatting first, so every character
// keeps the script, font and attributes it had, whatever stands around the
// result. Characters written before any change stay bare and take the
// formatting in force where the result is written; nothing changes that
// formatting afterwards. Linear in the length of `rtf`.
std::string ReverseCharacters(std::string_view rtf);

}  // namespace quorin
