#include "core/character_sets.h"

#include "charsets/set_tables.h"

namespace quorin {

namespace {

std::span<const charsets::CharacterForm> FormsOfSet(uint8_t set) {
    using namespace charsets;
    switch (set) {
        case 1: return MultinationalForms();
        case 2: return DiacriticsForms();
        case 3: return BoxDrawingForms();
        case 4: return TypographicForms();
        case 5: return IconicForms();
        case 9: return HebrewForms();
        case 10: return CyrillicForms();
        case 13: return ArabicForms();
        case 14: return ArabicScriptForms();
        default: return {};  // set 0 is plain text; 6, 7, 8, 11, 12 and 15 up map nothing
    }
}

}  // namespace

bool AppendCharacterForm(uint8_t set, uint8_t c, std::string& out) {
    std::span<const charsets::CharacterForm> forms = FormsOfSet(set);
    if (c >= forms.size()) return false;
    out.append(forms[c].View());
    return true;
}

}  // namespace quorin
