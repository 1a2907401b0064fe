// The Hebrew set (9): windows-1255 bytes where the code page has the
// character; pointed letters as presentation forms falling back to the
// letter byte and the point byte.
#include "charsets/set_tables.h"

namespace quorin::charsets {

namespace {

constexpr auto BuildHebrew() {
    FormTable<119> t;
    // Alef to tav in code-page order, each final form before its normal form.
    for (int letter = 0; letter <= 26; ++letter) t.Set(letter, Format(R"(\'hh)", {0xe0 + letter}));
    t.Literal(27, R"(\'ce)");
    t.Literal(28, R"(\'d0)");
    t.Run(29, 31, R"(\'hh)", "d3, d7, d8");
    // Points; holam twice, patah again at the end.
    t.Run(32, 47, R"(\'hh)", "c0, c1, c2, c3, c4, c5, c6, c7, c8, c9, c9, cb, cc, cd, cf, c7");
    t.Literal(48, R"({\uc0\u-1250})");
    t.Run(49, 51, R"(\'hh)", "d4, d5, d6");
    // Cantillation accents and marks; yerah ben yomo (galgal) twice, at 62 and 82.
    t.Run(52, 82, R"({\uc0\uN})",
          "1425, 1430, 1453, 1444, 1434, 1435, 1443, 1445, 1446, 1447, 1450, 1426, 1427, 1428, 1429, 1431, "
          "1432, 1433, 1448, 1436, 1437, 1438, 1441, 1449, 1440, 1439, 1451, 1452, 1455, 1476, 1450");
    t.Run(83, 90, R"({\uc2\uN\'hh\'hh})",
          "-1232/e0/cc, -1231/e1/cc, -1230/e2/cc, -1229/e3/cc, -1228/e4/cc, -1227/e5/cc, -1205/e5/c9, "
          "-1226/e6/cc");
    t.Literal(91, R"({\'e7\'cc})");
    t.Run(92, 95, R"({\uc2\uN\'hh\'hh})", "-1224/e8/cc, -1223/e9/cc, -1221/eb/cc, -1222/ea/cc");
    // Final kaf with sheva, tsere, segol, patah and qamats: no precomposed forms.
    t.Run(96, 100, R"(\'hh\'hh)", "ea/c0, ea/c5, ea/c6, ea/c7, ea/c8");
    // The qamats byte follows the two skipped bytes, so every reader shows it.
    t.Literal(101, R"({\uc2\u-1222\'ea\'cc\'c8})");
    t.Run(102, 104, R"({\uc2\uN\'hh\'hh})", "-1220/ec/cc, -1218/ee/cc, -1216/f0/cc");
    t.Literal(105, R"(\'ef\'c8)");  // final nun with qamats
    t.Run(106, 109, R"({\uc2\uN\'hh\'hh})", "-1215/f1/cc, -1212/f4/cc, -1210/f6/cc, -1209/f7/cc");
    t.Literal(110, R"(\u-1237\'f9)");
    t.Literal(111, R"({\uc2\u-1235\'f9\'cc})");
    t.Literal(112, R"(\u-1238\'f9)");
    t.Literal(113, R"({\uc2\u-1236\'f9\'cc})");
    t.Literal(114, R"({\uc2\u-1206\'fa\'cc})");
    t.Run(115, 116, R"({\uc2\uN\'hh\'hh})", "-1204/e1/cf, -1202/f4/cf");
    t.Literal(117, R"({\uc3\u-1249\'e9\'c7\'e9})");
    t.Literal(118, R"(\'e9\'c4)");
    return t.Finish();
}

constexpr auto kHebrew = BuildHebrew();

}  // namespace

std::span<const CharacterForm> HebrewForms() { return kHebrew; }

}  // namespace quorin::charsets
