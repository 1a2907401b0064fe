#include "charsets/character_forms.h"

namespace quorin {

bool AppendCharacterForm(uint8_t, uint8_t, std::string&) {
    return false;  // tables not filled yet
}

}  // namespace quorin
