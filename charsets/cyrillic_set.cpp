// The Cyrillic set (10): every character as Unicode without a fallback,
// capital on even numbers and the small letter on the odd number after it.
#include "charsets/set_tables.h"

namespace quorin::charsets {

namespace {

constexpr std::string_view kLetterForm = R"({\uc0\uN})";

constexpr auto BuildCyrillic() {
    FormTable<150> t;
    // The Russian alphabet: А to Я are U+0410 to U+042F (small +32), with Ё
    // (U+0401, U+0451) after Е.
    size_t number = 0;
    for (int k = 0; k < 32; ++k) {
        t.Set(number++, Format(kLetterForm, {1040 + k}));
        t.Set(number++, Format(kLetterForm, {1072 + k}));
        if (k == 5) {
            t.Set(number++, Format(kLetterForm, {1025}));
            t.Set(number++, Format(kLetterForm, {1105}));
        }
    }
    // The extra letters of the other Slavic alphabets in alphabetical order
    // (Ґ Ђ Ѓ Є Ѕ І Ї Ј Љ Њ Ћ Ќ Ў Џ), then older letters: yat, fita, izhitsa,
    // big yus, zemlya, Щ again, Ҥ and little yus.
    t.RunPairs(66, 109, kLetterForm,
               "1168/1169, 1026/1106, 1027/1107, 1028/1108, 1029/1109, 1030/1110, 1031/1111, 1032/1112, "
               "1033/1113, 1034/1114, 1035/1115, 1036/1116, 1038/1118, 1039/1119, 1122/1123, 1138/1139, "
               "1140/1141, 1130/1131, -22976/-22975, 1065/1097, 1188/1189, 1126/1127");
    // Stressed vowels (acute) and vowels with the grave: the combining mark in
    // the same group.
    t.Run(110, 127, R"({\uc0\uN\u769})",
          "1040, 1072, 1045, 1077, 1048, 1080, 1054, 1086, 1059, 1091, 1067, 1099, 1069, 1101, 1070, 1102, "
          "1071, 1103");
    t.Run(128, 147, R"({\uc0\uN\u768})",
          "1040, 1072, 1045, 1077, 1025, 1105, 1048, 1080, 1054, 1086, 1059, 1091, 1067, 1099, 1069, 1101, "
          "1070, 1102, 1071, 1103");
    t.Literal(148, R"({\uc0\u769})");
    t.Literal(149, R"({\uc0\u768})");
    return t.Finish();
}

constexpr auto kCyrillic = BuildCyrillic();

}  // namespace

std::span<const CharacterForm> CyrillicForms() { return kCyrillic; }

}  // namespace quorin::charsets
