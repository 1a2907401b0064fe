#pragma once
// The forms of every mapped character set, indexed by character number.
// A set's span ends after its last mapped number.
#include <span>

#include "charsets/form_builder.h"

namespace quorin::charsets {

std::span<const CharacterForm> MultinationalForms();  // set 1
std::span<const CharacterForm> DiacriticsForms();     // set 2
std::span<const CharacterForm> BoxDrawingForms();     // set 3
std::span<const CharacterForm> TypographicForms();    // set 4
std::span<const CharacterForm> IconicForms();         // set 5
std::span<const CharacterForm> HebrewForms();         // set 9
std::span<const CharacterForm> CyrillicForms();       // set 10
std::span<const CharacterForm> ArabicForms();         // set 13
std::span<const CharacterForm> ArabicScriptForms();   // set 14

}  // namespace quorin::charsets
