// The multinational set (1) and the diacritics set (2). Code-page bytes and
// fallbacks are windows-1252.
#include "charsets/set_tables.h"

namespace quorin::charsets {

namespace {

constexpr auto BuildMultinational() {
    FormTable<234> t;
    t.Literal(0, R"(\u768\'60)");
    t.Literal(1, R"(\'b7)");
    t.Literal(2, R"(\u771\'7e)");
    t.Literal(3, R"(\'5e)");
    t.Literal(4, R"({\uc0\u8213})");
    t.Literal(5, R"(\'2f)");
    // Acute, diaeresis, macron; apostrophes above, after, before, below (a comma
    // below) and beside.
    t.Run(6, 13, R"(\uN\'hh)", "769/b4, 776/a8, 772/af, 700/27, 700/27, 700/27, 806/2c, 700/27");
    t.Run(14, 16, R"({\uc0\uN})", "778, 729, 733");
    t.Literal(17, R"(\u807\'b8)");
    t.Run(18, 22, R"({\uc0\uN})", "731, 711, 821, 8254, 774");
    t.Literal(23, R"(\'df)");
    t.Run(24, 25, R"({\uc0\uN})", "305, 567");  // dotless i and j
    // Capital and small in turn.
    t.Run(26, 73, R"(\'hh)",
          "c1, e1, c2, e2, c4, e4, c0, e0, c5, e5, c6, e6, c7, e7, c9, e9, ca, ea, cb, eb, c8, e8, cd, ed, "
          "ce, ee, cf, ef, cc, ec, d1, f1, d3, f3, d4, f4, d6, f6, d2, f2, da, fa, db, fb, dc, fc, d9, f9");
    t.Literal(74, R"({\uc0\u376})");
    t.Run(75, 77, R"(\'hh)", "ff, c3, e3");
    t.Run(78, 79, R"({\uc0\uN})", "272, 273");  // D and d with a cross bar
    t.Run(80, 89, R"(\'hh)", "d8, f8, d5, f5, dd, fd, d0, f0, de, fe");
    t.Run(90, 130, R"({\uc0\uN})",
          "258, 259, 256, 257, 260, 261, 262, 263, 268, 269, 264, 265, 266, 267, 270, 271, 282, 283, 278, "
          "279, 274, 275, 280, 281, 500, 501, 286, 287, 486, 487, 290, 291, 284, 285, 288, 289, 292, 293, "
          "294, 295, 304");
    t.Literal(131, R"(\'69{\uc0\u775})");
    t.Run(132, 155, R"({\uc0\uN})",
          "298, 299, 302, 303, 296, 297, 306, 307, 308, 309, 310, 311, 313, 314, 317, 318, 315, 316, 319, "
          "320, 321, 322, 323, 324");
    t.Literal(156, R"(\u700\'27\'4e)");
    t.Run(157, 211, R"({\uc0\uN})",
          "329, 327, 328, 325, 326, 336, 337, 332, 333, 338, 339, 340, 341, 344, 345, 342, 343, 346, 347, "
          "352, 353, 350, 351, 348, 349, 356, 357, 354, 355, 358, 359, 364, 365, 368, 369, 362, 363, 370, "
          "371, 366, 367, 360, 361, 372, 373, 374, 375, 377, 378, 381, 382, 379, 380, 330, 331");
    // Letters that Unicode does not precompose with their mark.
    t.Run(212, 217, R"(\'hh\u772\'af)", "44, 64, 4c, 6c, 4e, 6e");
    t.Run(218, 219, R"(\'hh\u768\'60)", "52, 72");
    t.Run(220, 223, R"(\'hh\u772\'af)", "53, 73, 54, 74");
    t.Run(224, 225, R"(\'hh{\uc0\u774})", "59, 79");
    t.Run(226, 227, R"({\uc0\uN})", "7922, 7923");
    t.Run(228, 233, R"(\'hh\u700\'27)", "44, 64, 4f, 6f, 55, 75");
    return t.Finish();
}

constexpr auto BuildDiacritics() {
    FormTable<28> t;
    t.Run(0, 4, R"({\uc0\uN})", "803, 804, 778, 805, 789");
    t.Literal(5, R"(\u813\'5f)");
    // 8 is the Greenlandic kra, 9 the half circle (breve) below.
    t.Run(6, 14, R"({\uc0\uN})", "819, 817, 312, 814, 830, 786, 787, 837, 808");
    t.Literal(15, R"(\u807\'b8)");
    // 22 and 23 transliterate Arabic ayn and alif/hamza.
    t.Run(16, 25, R"({\uc0\uN})", "801, 802, 781, 795, 777, 1569, 703, 702, 780, 784");
    // The transliteration signs of the Russian soft and hard signs.
    t.Literal(26, R"(\u697\'27)");
    t.Literal(27, R"(\u698\'22)");
    return t.Finish();
}

constexpr auto kMultinational = BuildMultinational();
constexpr auto kDiacritics = BuildDiacritics();

}  // namespace

std::span<const CharacterForm> MultinationalForms() { return kMultinational; }
std::span<const CharacterForm> DiacriticsForms() { return kDiacritics; }

}  // namespace quorin::charsets
