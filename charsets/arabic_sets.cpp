// The Arabic set (13) and the Arabic-script set (14). Every contextual form
// of a letter is written as its Unicode presentation form so the document's
// shapes survive; all forms of a letter share the windows-1256 letter byte
// as fallback in set 13, and "_" in the table-driven set 14.
#include "charsets/set_tables.h"

namespace quorin::charsets {

namespace {

constexpr std::string_view kArabicForm = R"(\uN\'hh)";

// A letter's run: the base letter, then its forms (initial, medial, final,
// or final alone), all with the same fallback byte.
template <size_t Size>
constexpr void Letter(FormTable<Size>& t, size_t first, size_t last, int base, int byte, std::string_view forms) {
    t.Set(first, Format(kArabicForm, {base, byte}));
    ListReader list(forms);
    for (size_t number = first + 1; number <= last; ++number) {
        t.Set(number, Format(kArabicForm, {ParseNumber(list.Next(), 10), byte}));
    }
    if (!list.Done()) throw "more forms than numbers";
}

constexpr auto BuildArabic() {
    FormTable<194> t;
    for (size_t number = 0; number <= 9; ++number) t.Set(number, CharacterForm{});
    t.Run(10, 14, kArabicForm, "1614/f3, 1615/f5, 1616/f6", 2);
    t.Run(11, 15, R"({\uc2\uN\'hh\'dc})", "-393/f3, -391/f5, -389/f6", 2);
    t.Run(16, 20, kArabicForm, "1611/f0, 1612/f1, 1612/f1, 1613/f2, 1618/fa");
    t.Literal(21, R"({\uc2\u-385\'fa\'dc})");
    t.Literal(22, R"(\u1617\'f8)");
    t.Literal(23, R"({\uc2\u-387\'f8\'dc})");
    // Shadda with fatha, damma and kasra, alone and on tatweel (the medial
    // forms, whose fallback is the tatweel and then the marks).
    t.Run(24, 28, R"({\uc2\uN\'f8\'hh})", "-928/f3, -927/f5, -926/f6", 2);
    t.Run(25, 29, R"({\uc3\uN\'dc\'f8\'hh})", "-782/f3, -781/f5, -780/f6", 2);
    t.Literal(30, R"(\u1617\'f8\u1611\'f0)");
    t.Run(31, 33, R"({\uc2\uN\'f8\'hh})", "-930/f1, -930/f1, -929/f2");
    t.Literal(34, R"({\uc0\u1619})");
    t.Literal(35, R"(\u1600\'dc\u1648\'c7)");  // superscript alef on tatweel
    t.Literal(36, R"({\uc0\u1620})");
    t.Run(37, 40, kArabicForm, "1548/a1, 1563/ba, 1567/bf, 1645/2a");
    t.Run(41, 50, kArabicForm,
          "1633/31, 1634/32, 1635/33, 1636/34, 1637/35, 1638/36, 1639/37, 1640/38, 1641/39, 1632/30");
    t.Literal(51, R"(\u1778\'32)");

    Letter(t, 52, 53, 1575, 0xc7, "-370");                  // alef
    Letter(t, 54, 57, 1576, 0xc8, "-367, -366, -368");      // beh
    Letter(t, 58, 61, 1578, 0xca, "-361, -360, -362");      // teh
    Letter(t, 62, 65, 1579, 0xcb, "-357, -356, -358");      // theh
    Letter(t, 66, 69, 1580, 0xcc, "-353, -352, -354");      // jeem
    Letter(t, 70, 73, 1581, 0xcd, "-349, -348, -350");      // hah
    Letter(t, 74, 77, 1582, 0xce, "-345, -344, -346");      // khah
    Letter(t, 78, 79, 1583, 0xcf, "-342");                  // dal
    Letter(t, 80, 81, 1584, 0xd0, "-340");                  // thal
    Letter(t, 82, 83, 1585, 0xd1, "-338");                  // reh
    Letter(t, 84, 85, 1586, 0xd2, "-336");                  // zain
    Letter(t, 86, 89, 1587, 0xd3, "-333, -332, -334");      // seen
    Letter(t, 90, 93, 1588, 0xd4, "-329, -328, -330");      // sheen
    Letter(t, 94, 97, 1589, 0xd5, "-325, -324, -326");      // sad
    Letter(t, 98, 101, 1590, 0xd6, "-321, -320, -322");     // dad
    Letter(t, 102, 105, 1591, 0xd8, "-317, -316, -318");    // tah
    Letter(t, 106, 109, 1592, 0xd9, "-313, -312, -314");    // zah
    Letter(t, 110, 113, 1593, 0xda, "-309, -308, -310");    // ain
    Letter(t, 114, 117, 1594, 0xdb, "-305, -304, -306");    // ghain
    Letter(t, 118, 121, 1601, 0xdd, "-301, -300, -302");    // feh
    Letter(t, 122, 125, 1602, 0xde, "-297, -296, -298");    // qaf
    Letter(t, 126, 129, 1603, 0xdf, "-293, -292, -294");    // kaf
    Letter(t, 130, 133, 1604, 0xe1, "-289, -288, -290");    // lam
    Letter(t, 134, 137, 1605, 0xe3, "-285, -284, -286");    // meem
    Letter(t, 138, 141, 1606, 0xe4, "-281, -280, -282");    // noon
    Letter(t, 142, 145, 1607, 0xe5, "-277, -276, -278");    // heh
    Letter(t, 146, 147, 1577, 0xc9, "-364");                // teh marbuta
    Letter(t, 148, 149, 1608, 0xe6, "-274");                // waw
    Letter(t, 150, 153, 1610, 0xed, "-269, -268, -270");    // yeh
    Letter(t, 154, 155, 1609, 0xec, "-272");                // alef maksura
    Letter(t, 156, 156, 1569, 0xc1, "");                    // hamza
    Letter(t, 157, 158, 1571, 0xc3, "-380");                // alef with hamza above
    Letter(t, 159, 160, 1573, 0xc5, "-376");                // alef with hamza below
    Letter(t, 161, 162, 1572, 0xc4, "-378");                // waw with hamza above
    Letter(t, 163, 166, 1574, 0xc6, "-373, -372, -374");    // yeh with hamza above
    Letter(t, 169, 170, 1570, 0xc2, "-382");                // alef with madda above

    t.Run(167, 168, R"({\uc2\uN\'c7\'f0})", "-707, -708");
    t.Literal(171, R"(\u710\'88)");
    // Lam-alef ligatures; the fallback bytes are alef, then lam.
    t.Run(172, 177, R"({\uc2\uN\'c7\'e1})", "-261, -260, -265, -264, -263, -262");
    t.Run(178, 179, R"({\uc2\uN\'c7\'e1\uc1\u1611\'f0})", "-261, -260");
    t.Run(180, 181, R"({\uc2\uN\'c7\'e1})", "-267, -266");
    t.Run(182, 183, R"({\uc2\uN\'c7\'e1\uc1\u710\'88})", "-261, -260");
    t.Literal(184, R"({\uc2\u-526\'c7\'e1})");
    t.Literal(185, R"(\u1600\'dc)");
    t.Literal(186, R"(\u1600\'dc)");
    t.Literal(187, R"(\u1649\'c7)");
    t.Literal(188, R"(\u-1199\'c7)");
    t.Literal(189, R"(\u1642\'25)");
    t.Run(190, 191, kArabicForm, "187/bb, 171/ab");
    t.Run(192, 193, kArabicForm, "-705/29, -706/28");
    return t.Finish();
}

// Letters: the base letter, then initial, medial and final forms, or the
// final form alone. Shapes without a presentation form hold U+005F or one of
// U+FF00 to U+FF18, which this set assigns to them; those are written as the
// row's base letter (WithBaseLetters), which the text engine shapes in context.
constexpr uint16_t kArabicScriptValues[] = {
    0x005F, 0x005F, 0x005F, 0x005F, 0x005F, 0x005F, 0x005F, 0x005F, 0x005F, 0x005F,  // 0 to 36: no mapping
    0x005F, 0x005F, 0x005F, 0x005F, 0x005F, 0x005F, 0x005F, 0x005F, 0x005F, 0x005F,
    0x005F, 0x005F, 0x005F, 0x005F, 0x005F, 0x005F, 0x005F, 0x005F, 0x005F, 0x005F,
    0x005F, 0x005F, 0x005F, 0x005F, 0x005F, 0x005F, 0x005F,
    0x064C, 0xFC5E,  // 37, 38 dammatan, shadda with dammatan
    0x065A, 0x0640,  // 39 the Kurdish small v above; 40 the same on tatweel (kTwoCharacters)
    0x06F4, 0x06F4, 0x06F5, 0x06F6, 0x06F6, 0x06F7, 0x06F8,  // 41 to 47 Persian and Urdu digits
    0x067B, 0xFB54, 0xFB55, 0xFB53,  // 48 to 51 beeh
    0x0680, 0xFB5C, 0xFB5D, 0xFB5B,  // 52 to 55 beheh
    0x067E, 0xFB58, 0xFB59, 0xFB57,  // 56 to 59 peh
    0x0679, 0xFB68, 0xFB69, 0xFB67,  // 60 to 63 tteh
    0x067C, 0xFF01, 0xFF02, 0xFF00,  // 64 to 67 teh with ring
    0x067F, 0xFB64, 0xFB65, 0xFB63,  // 68 to 71 teheh
    0x067D, 0x005F, 0x005F, 0x005F,  // 72 to 75 teh with three dots above downwards
    0x067A, 0xFB60, 0xFB61, 0xFB5F,  // 76 to 79 tteheh
    0x0684, 0xFB74, 0xFB75, 0xFB73,  // 80 to 83 dyeh
    0x0683, 0xFB78, 0xFB79, 0xFB77,  // 84 to 87 nyeh
    0x0686, 0xFB7C, 0xFB7D, 0xFB7B,  // 88 to 91 tcheh
    0x0687, 0xFB80, 0xFB81, 0xFB7F,  // 92 to 95 tcheheh
    0x0685, 0xFF07, 0xFF08, 0xFF06,  // 96 to 99 hah with three dots above
    0x0681, 0xFF04, 0xFF05, 0xFF03,  // 100 to 103 hah with hamza above
    0x0688, 0xFB89,  // 104, 105 ddal
    0x0689, 0xFF16,  // 106, 107 dal with ring
    0x068C, 0xFB85,  // 108, 109 dahal
    0x068E, 0xFB87,  // 110, 111 dul
    0x068A, 0x005F,  // 112, 113 dal with dot below
    0x068D, 0xFB83,  // 114, 115 ddahal
    0x0693, 0xFF17,  // 116, 117 reh with ring
    0x0691, 0xFB8D,  // 118, 119 rreh
    0x0699, 0x005F,  // 120, 121 reh with four dots above
    0x0695, 0x005F,  // 122, 123 reh with small v below
    0x0692, 0x005F,  // 124, 125 reh with small v
    0x0698, 0xFB8B,  // 126, 127 jeh
    0x0696, 0xFF18, 0x005F, 0x005F,  // 128 to 131 reh with dot below and dot above
    0x069A, 0xFF0B, 0xFF0A, 0xFF09,  // 132 to 135 seen with dot below and dot above
    0x06A0, 0x005F, 0x005F, 0x005F,  // 136 to 139 ain with three dots above
    0x06A4, 0xFB6C, 0xFB6D, 0xFB6B,  // 140 to 143 veh
    0x06A6, 0xFB70, 0xFB71, 0xFB6F,  // 144 to 147 peheh
    0x06A9, 0xFB90, 0xFB91, 0xFB8F,  // 148 to 151 keheh
    0x0643, 0xFEDB, 0xFEDC, 0xFEDA,  // 152 to 155 kaf
    0x06AA, 0xFF0D, 0xFF0F, 0xFF0C,  // 156 to 159 swash kaf (Sindhi k)
    0x06AF, 0xFB94, 0xFB95, 0xFB93,  // 160 to 163 gaf
    0x06AF, 0xFB94, 0xFB95, 0xFB93,  // 164 to 167 gaf again
    0x0762, 0x005F, 0x005F, 0x005F,  // 168 to 171 keheh with dot above (Jawi g)
    0x06B1, 0xFB9C, 0xFB9D, 0xFB9B,  // 172 to 175 ngoeh
    0x06B3, 0xFB98, 0xFB99, 0xFB97,  // 176 to 179 gueh
    0x06B5, 0x005F, 0x005F, 0x005F,  // 180 to 183 lam with small v
    0x06B5, 0x06B5,  // 184, 185 the same with alef (kTwoCharacters)
    0x06BA, 0x005F, 0x005F, 0xFB9F,  // 186 to 189 noon ghunna
    0x06BC, 0xFF11, 0xFF12, 0xFF10,  // 190 to 193 noon with ring
    0x06BB, 0xFBA2, 0xFBA3, 0xFBA1,  // 194 to 197 rnoon
    0x06C6, 0xFBDA, 0x005F, 0x005F,  // 198 to 201 oe
    0x06CA, 0x005F,  // 202, 203 waw with two dots above
    0x06C1, 0xFBA8, 0xFBA9, 0xFBA7,  // 204 to 207 heh goal
    0x06D0, 0xFF14, 0x005F, 0x005F,  // 208 to 211 e
    0x06D2, 0xFBAF,  // 212, 213 yeh barree
    0x06BD, 0x005F, 0x005F, 0x005F,  // 214 to 217 noon with three dots above (Jawi ny)
    0x06C0, 0xFBA5,  // 218, 219 heh with yeh above
};
static_assert(std::size(kArabicScriptValues) == 220);

// Entries of two characters: the table holds the first, this the second.
struct SecondCharacter {
    size_t number;
    uint16_t value;
};
constexpr SecondCharacter kTwoCharacters[] = {
    {40, 0x065A},   // small v above, on the tatweel
    {184, 0x0627},  // lam with small v and alef
    {185, 0x0627},
};

constexpr auto kArabic = BuildArabic();
// The letter rows of the table; the rest name no letter.
constexpr bool InLetterRow(size_t number) { return number >= 48 && number <= 219; }
constexpr bool IsStandIn(uint16_t value) { return value == 0x005F || (value >= 0xFF00 && value <= 0xFF18); }
constexpr bool IsArabicLetter(uint16_t value) {
    return (value >= 0x0600 && value <= 0x06FF) || (value >= 0x0750 && value <= 0x077F);
}

// The table with every stand-in of a letter row replaced by the row's base
// letter, the last Arabic letter before it.
constexpr auto WithBaseLetters() {
    std::array<uint16_t, std::size(kArabicScriptValues)> values{};
    uint16_t base = 0;
    for (size_t number = 0; number < values.size(); ++number) {
        uint16_t value = kArabicScriptValues[number];
        if (InLetterRow(number)) {
            if (IsArabicLetter(value)) base = value;
            else if (IsStandIn(value)) value = base;
        }
        values[number] = value;
    }
    return values;
}
constexpr auto kArabicScriptLetters = WithBaseLetters();

constexpr auto WithSecondCharacters(std::array<CharacterForm, std::size(kArabicScriptValues)> forms) {
    for (const SecondCharacter& second : kTwoCharacters) {
        forms[second.number].Append(TableDriven(second.value).View());
    }
    return forms;
}
constexpr auto kArabicScript = WithSecondCharacters(TableDrivenForms(kArabicScriptLetters));

}  // namespace

std::span<const CharacterForm> ArabicForms() { return kArabic; }
std::span<const CharacterForm> ArabicScriptForms() { return kArabicScript; }

}  // namespace quorin::charsets
