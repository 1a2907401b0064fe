// Every entry of the character sets 1 to 14, checked against what Unicode
// itself says of the characters it writes: their names (the words of
// WordPerfect's own character charts, as Unicode spells them), the case pairs
// of the alphabets, the order of the letters and the contextual forms of the
// Arabic letters. The Unicode data is the system's (Debian's unicode-data),
// read at run time, so nothing here restates the tables.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/character_sets.h"

namespace quorin {
namespace {

using CodePoints = std::vector<char32_t>;

struct UnicodeCharacter {
    std::string name, category;
    std::string decompositionTag;  // "" for a canonical decomposition
    CodePoints decomposition;
    char32_t lower = 0;
};

struct UnicodeData {
    std::map<char32_t, UnicodeCharacter> characters;
    std::map<char32_t, char> joiningType;                   // ArabicShaping.txt
    std::map<std::pair<char32_t, std::string>, char32_t> forms;  // (base, "<initial>") -> form
    bool loaded = false;
};

std::string UnicodeFolder() {
    const char* folder = std::getenv("QUORIN_UNICODE_DATA");
    return folder ? folder : "/usr/share/unicode";
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, ';');) fields.push_back(field);
    return fields;
}

const UnicodeData& Unicode() {
    static const UnicodeData data = [] {
        UnicodeData d;
        std::ifstream names(UnicodeFolder() + "/UnicodeData.txt"), shaping(UnicodeFolder() + "/ArabicShaping.txt");
        if (!names || !shaping) return d;
        for (std::string line; std::getline(names, line);) {
            std::vector<std::string> f = Fields(line);
            if (f.size() < 14) continue;
            UnicodeCharacter c{f[1], f[2], "", {}, 0};
            std::stringstream decomposition(f[5]);
            for (std::string part; decomposition >> part;) {
                if (part[0] == '<') c.decompositionTag = part;
                else c.decomposition.push_back(std::stoul(part, nullptr, 16));
            }
            if (!f[13].empty()) c.lower = std::stoul(f[13], nullptr, 16);
            const char32_t code = std::stoul(f[0], nullptr, 16);
            if (c.decomposition.size() == 1 && c.decompositionTag.size() > 2)
                d.forms[{c.decomposition[0], c.decompositionTag}] = code;
            d.characters[code] = c;
        }
        for (std::string line; std::getline(shaping, line);) {
            std::vector<std::string> f = Fields(line);
            if (line.empty() || line[0] == '#' || f.size() < 3) continue;
            d.joiningType[std::stoul(f[0], nullptr, 16)] = f[2].at(1);
        }
        d.loaded = !d.characters.empty() && !d.joiningType.empty();
        return d;
    }();
    return data;
}

const UnicodeCharacter* Find(char32_t c) {
    auto it = Unicode().characters.find(c);
    return it == Unicode().characters.end() ? nullptr : &it->second;
}

// The canonical (or, with compatibility, the full compatibility)
// decomposition, without reordering the marks: the order written is kept.
void Decompose(char32_t c, bool compatibility, CodePoints& out) {
    const UnicodeCharacter* u = Find(c);
    if (!u || u->decomposition.empty() || (!compatibility && !u->decompositionTag.empty())) {
        out.push_back(c);
        return;
    }
    for (char32_t part : u->decomposition) Decompose(part, compatibility, out);
}

CodePoints Decomposed(const CodePoints& text, bool compatibility) {
    CodePoints out;
    for (char32_t c : text) Decompose(c, compatibility, out);
    return out;
}

// "HEBREW LETTER FINAL KAF + HEBREW POINT SHEVA": the names of the
// characters.
std::string NamesOf(const CodePoints& text) {
    std::string names;
    for (char32_t c : text) {
        if (!names.empty()) names += " + ";
        const UnicodeCharacter* u = Find(c);
        names += u ? u->name : "UNASSIGNED";
    }
    return names;
}

// --- What a reader shows of a form ---------------------------------------

const char* CodePageOf(int set) {
    switch (set) {
        case 9: return "CP1255";
        case 10: return "CP1251";
        case 13: case 14: return "CP1256";
        default: return "CP1252";
    }
}

char32_t FromCodePage(uint8_t byte, const char* codePage) {
    if (byte < 0x80) return byte;
    iconv_t convert = iconv_open("UTF-32LE", codePage);
    char in[1] = {static_cast<char>(byte)};
    char32_t result = 0xFFFD;
    char* from = in;
    char* to = reinterpret_cast<char*>(&result);
    size_t fromLeft = 1, toLeft = sizeof result;
    iconv(convert, &from, &fromLeft, &to, &toLeft);
    iconv(convert, nullptr, nullptr, &to, &toLeft);  // a letter waits for its points: flush it
    iconv_close(convert);
    return result;
}

// The characters a Unicode reader shows for a form: "\uN" characters, and
// the code-page bytes that no "\u" skips.
CodePoints Shown(const std::string& form, int set) {
    CodePoints shown;
    std::vector<int> skipCounts{1};
    int toSkip = 0;
    for (size_t i = 0; i < form.size();) {
        if (form[i] == '{' || form[i] == '}') {
            if (form[i] == '{') skipCounts.push_back(skipCounts.back());
            else skipCounts.pop_back();
            ++i;
            continue;
        }
        if (form.compare(i, 2, "\\'") == 0) {
            const auto byte = static_cast<uint8_t>(std::stoi(form.substr(i + 2, 2), nullptr, 16));
            if (toSkip > 0) --toSkip;
            else shown.push_back(FromCodePage(byte, CodePageOf(set)));
            i += 4;
            continue;
        }
        const bool skipCount = form.compare(i, 3, "\\uc") == 0;
        size_t used = 0;
        const int value = std::stoi(form.substr(i + (skipCount ? 3 : 2)), &used);
        i += (skipCount ? 3 : 2) + used;
        if (skipCount) {
            skipCounts.back() = value;
        } else {
            shown.push_back(static_cast<char32_t>(value < 0 ? value + 65536 : value));
            toSkip = skipCounts.back();
        }
    }
    return shown;
}

// --- What each entry must be -------------------------------------------

// Names by character number from `first`, "|" between entries. An entry
// holds words that the names must contain, as whole words and in this order,
// "&" between them; "=" asks for the whole name; "*" accepts any character
// (where the chart's name has no Unicode counterpart); "0" asks for nothing
// at all. The words come from WordPerfect's character charts.
struct Names {
    int set;
    int first;
    std::string_view names;
};

constexpr Names kNames[] = {
    {1, 0, "GRAVE|MIDDLE DOT|TILDE|CIRCUMFLEX|HORIZONTAL BAR|SOLIDUS|=COMBINING ACUTE ACCENT|DIAERESIS|MACRON|"
           "APOSTROPHE|APOSTROPHE|APOSTROPHE|COMMA BELOW|APOSTROPHE|RING ABOVE|DOT ABOVE|DOUBLE ACUTE|CEDILLA|"
           "OGONEK|CARON|STROKE|OVERLINE|BREVE|SHARP S|DOTLESS I|DOTLESS J"},
    {2, 0, "DOT BELOW|DIAERESIS BELOW|RING ABOVE|RING BELOW|COMMA ABOVE RIGHT|CIRCUMFLEX ACCENT BELOW|DOUBLE LOW LINE|"
           "MACRON BELOW|KRA|BREVE BELOW|VERTICAL TILDE|TURNED COMMA ABOVE|COMMA ABOVE|*|OGONEK|CEDILLA|"
           "PALATALIZED HOOK BELOW|RETROFLEX HOOK BELOW|VERTICAL LINE ABOVE|HORN|HOOK ABOVE|*|LEFT HALF RING|"
           "RIGHT HALF RING|*|CANDRABINDU|=MODIFIER LETTER PRIME|DOUBLE PRIME"},
    {3, 0, "LIGHT SHADE|MEDIUM SHADE|DARK SHADE|FULL BLOCK|LEFT HALF BLOCK|UPPER HALF BLOCK|RIGHT HALF BLOCK|"
           "LOWER HALF BLOCK|=BOX DRAWINGS LIGHT HORIZONTAL|=BOX DRAWINGS LIGHT VERTICAL|LIGHT DOWN AND RIGHT|"
           "LIGHT DOWN AND LEFT|LIGHT UP AND LEFT|LIGHT UP AND RIGHT|LIGHT VERTICAL AND RIGHT|"
           "LIGHT DOWN AND HORIZONTAL|LIGHT VERTICAL AND LEFT|LIGHT UP AND HORIZONTAL|LIGHT VERTICAL AND HORIZONTAL|"
           "=BOX DRAWINGS DOUBLE HORIZONTAL|=BOX DRAWINGS DOUBLE VERTICAL|DOUBLE DOWN AND RIGHT|DOUBLE DOWN AND LEFT|"
           "DOUBLE UP AND LEFT|DOUBLE UP AND RIGHT|DOUBLE VERTICAL AND RIGHT|DOUBLE DOWN AND HORIZONTAL|"
           "DOUBLE VERTICAL AND LEFT|DOUBLE UP AND HORIZONTAL|DOUBLE VERTICAL AND HORIZONTAL|"
           "DOWN SINGLE AND RIGHT DOUBLE|DOWN SINGLE AND LEFT DOUBLE|UP SINGLE AND LEFT DOUBLE|"
           "UP SINGLE AND RIGHT DOUBLE|DOWN DOUBLE AND RIGHT SINGLE|DOWN DOUBLE AND LEFT SINGLE|"
           "UP DOUBLE AND LEFT SINGLE|UP DOUBLE AND RIGHT SINGLE|"
           "VERTICAL SINGLE AND RIGHT DOUBLE|DOWN DOUBLE AND HORIZONTAL SINGLE|VERTICAL SINGLE AND LEFT DOUBLE|"
           "UP DOUBLE AND HORIZONTAL SINGLE|VERTICAL DOUBLE AND RIGHT SINGLE|DOWN SINGLE AND HORIZONTAL DOUBLE|"
           "VERTICAL DOUBLE AND LEFT SINGLE|UP SINGLE AND HORIZONTAL DOUBLE|VERTICAL DOUBLE AND HORIZONTAL SINGLE|"
           "VERTICAL SINGLE AND HORIZONTAL DOUBLE|LIGHT LEFT|LIGHT UP|LIGHT RIGHT|LIGHT DOWN|"
           // Unicode has no double half lines: the heavy ones stand in.
           "HEAVY LEFT|HEAVY UP|HEAVY RIGHT|HEAVY DOWN"},
    {4, 0, "=BULLET|=WHITE CIRCLE|=BLACK SQUARE|BULLET OPERATOR|ASTERISK|PILCROW|SECTION SIGN|INVERTED EXCLAMATION|"
           "INVERTED QUESTION|LEFT-POINTING DOUBLE ANGLE|RIGHT-POINTING DOUBLE ANGLE|POUND SIGN|YEN SIGN|PESETA SIGN|"
           "F WITH HOOK|FEMININE ORDINAL|MASCULINE ORDINAL|ONE HALF|ONE QUARTER|CENT SIGN|SUPERSCRIPT TWO|"
           "SUPERSCRIPT LATIN SMALL LETTER N|REGISTERED SIGN|COPYRIGHT SIGN|=CURRENCY SIGN|THREE QUARTERS|"
           "SUPERSCRIPT THREE|SINGLE HIGH-REVERSED-9|RIGHT SINGLE QUOTATION|LEFT SINGLE QUOTATION|"
           "DOUBLE HIGH-REVERSED-9|RIGHT DOUBLE QUOTATION|LEFT DOUBLE QUOTATION|EN DASH|=EM DASH|"
           "SINGLE LEFT-POINTING ANGLE|SINGLE RIGHT-POINTING ANGLE|LARGE CIRCLE|WHITE LARGE SQUARE|=DAGGER|"
           "DOUBLE DAGGER|TRADE MARK SIGN|SERVICE MARK|PRESCRIPTION TAKE|=BLACK CIRCLE|WHITE BULLET|FULL BLOCK|"
           "BLACK SMALL SQUARE|=WHITE SQUARE|WHITE SMALL SQUARE|FIGURE DASH|LIGATURE FF|LIGATURE FFI|LIGATURE FFL|"
           "LIGATURE FI|LIGATURE FL|ELLIPSIS|DOLLAR SIGN|FRENCH FRANC|CRUZEIRO|EURO-CURRENCY|LIRA SIGN|"
           "SINGLE LOW-9|DOUBLE LOW-9|ONE THIRD|TWO THIRDS|ONE EIGHTH|THREE EIGHTHS|FIVE EIGHTHS|SEVEN EIGHTHS|"
           "CIRCLED LATIN CAPITAL LETTER M|CIRCLED LATIN CAPITAL LETTER P|CIRCLED LATIN CAPITAL LETTER U|CARE OF|"
           "CADA UNA|PER MILLE|NUMERO|SMALL EM DASH|SUPERSCRIPT ONE|HORIZONTAL TABULATION|FORM FEED|CARRIAGE RETURN|"
           "LINE FEED|NEWLINE|VERTICAL TABULATION"},
    {5, 0, "HEART|DIAMOND|CLUB|SPADE|MALE SIGN|FEMALE SIGN|SUN WITH RAYS|WHITE SMILING FACE|BLACK SMILING FACE|"
           "EIGHTH NOTE|SIXTEENTH NOTES|BLACK RECTANGLE|HOUSE|DOUBLE EXCLAMATION|SQUARE ROOT|UP DOWN ARROW WITH BASE|"
           "TOP LEFT CORNER|BOTTOM LEFT CORNER|INVERSE BULLET|INVERSE WHITE CIRCLE|DOWNWARDS ARROW & LEFTWARDS|"
           "RIGHT POINTING INDEX|LEFT POINTING INDEX|CHECK MARK|=BALLOT BOX|BALLOT BOX WITH|FROWNING FACE|SHARP|FLAT|"
           "NATURAL|TELEPHONE|WATCH|HOURGLASS|CENTRE LINE|OPEN BOX"},
    {9, 0, "LETTER ALEF|LETTER BET|LETTER GIMEL|LETTER DALET|LETTER HE|LETTER VAV|LETTER ZAYIN|LETTER HET|LETTER TET|"
           "LETTER YOD|FINAL KAF|LETTER KAF|LETTER LAMED|FINAL MEM|LETTER MEM|FINAL NUN|LETTER NUN|LETTER SAMEKH|"
           "LETTER AYIN|FINAL PE|LETTER PE|FINAL TSADI|LETTER TSADI|LETTER QOF|LETTER RESH|LETTER SHIN|LETTER TAV|"
           "MAQAF|PASEQ|SOF PASUQ|PUNCTUATION GERESH|PUNCTUATION GERSHAYIM|SHEVA|HATAF SEGOL|HATAF PATAH|"
           "HATAF QAMATS|HIRIQ|TSERE|=HEBREW POINT SEGOL|=HEBREW POINT PATAH|=HEBREW POINT QAMATS|HOLAM|HOLAM|QUBUTS|"
           "DAGESH|METEG|RAFE|=HEBREW POINT PATAH|VARIKA|DOUBLE VAV|VAV YOD|DOUBLE YOD|"
           // Cantillation, from 52.
           "ETNAHTA|TIPEHA|DEHI|MAHAPAKH|YETIV|TEVIR|MUNAH|=HEBREW ACCENT MERKHA|MERKHA KEFULA|DARGA|YERAH BEN YOMO|"
           "ACCENT SEGOL|SHALSHELET|ZAQEF QATAN|ZAQEF GADOL|REVIA|ZARQA|PASHTA|QADMA|=HEBREW ACCENT GERESH|"
           "GERESH MUQDAM|ACCENT GERSHAYIM|PAZER|TELISHA QETANA|TELISHA GEDOLA|QARNEY PARA|OLE|ILUY|MASORA CIRCLE|"
           "UPPER DOT|YERAH BEN YOMO|"
           // Letters with points, from 83.
           "LETTER ALEF & DAGESH|LETTER BET & DAGESH|GIMEL & DAGESH|DALET & DAGESH|LETTER HE & DAGESH|"
           "LETTER VAV & DAGESH|LETTER VAV & HOLAM|ZAYIN & DAGESH|HET & DAGESH|TET & DAGESH|LETTER YOD & DAGESH|"
           "LETTER KAF & DAGESH|FINAL KAF & DAGESH|FINAL KAF & SHEVA|FINAL KAF & TSERE|FINAL KAF & SEGOL|"
           "FINAL KAF & PATAH|FINAL KAF & QAMATS|FINAL KAF & DAGESH & QAMATS|LAMED & DAGESH|LETTER MEM & DAGESH|"
           "LETTER NUN & DAGESH|FINAL NUN & QAMATS|SAMEKH & DAGESH|LETTER PE & DAGESH|LETTER TSADI & DAGESH|"
           "QOF & DAGESH|SHIN & SIN DOT|SHIN & DAGESH & SIN DOT|SHIN & SHIN DOT|SHIN & DAGESH & SHIN DOT|"
           "TAV & DAGESH|LETTER BET & RAFE|LETTER PE & RAFE|DOUBLE YOD & PATAH|LETTER YOD & HIRIQ"},
    // 0 to 65 (the Russian alphabet) and the accented vowels are checked as
    // case pairs in alphabetical order; these name the capital of each pair.
    {10, 66, "GHE WITH UPTURN|-|DJE|-|GJE|-|UKRAINIAN IE|-|DZE|-|BYELORUSSIAN-UKRAINIAN I|-|YI|-|JE|-|LJE|-|NJE|-|"
             "TSHE|-|KJE|-|SHORT U|-|DZHE|-|YAT|-|FITA|-|IZHITSA|-|BIG YUS|-|ZEMLYA|-|SHCHA|-|*|-|LITTLE YUS|-"},
    {10, 110, "ACUTE|ACUTE|ACUTE|ACUTE|ACUTE|ACUTE|ACUTE|ACUTE|ACUTE|ACUTE|ACUTE|ACUTE|ACUTE|ACUTE|ACUTE|ACUTE|"
              "ACUTE|ACUTE|GRAVE|GRAVE|GRAVE|GRAVE|GRAVE|GRAVE|GRAVE|GRAVE|GRAVE|GRAVE|GRAVE|GRAVE|GRAVE|GRAVE|"
              "GRAVE|GRAVE|GRAVE|GRAVE|GRAVE|GRAVE|=COMBINING ACUTE ACCENT|=COMBINING GRAVE ACCENT"},
    {13, 0, "0|0|0|0|0|0|0|0|0|0|=ARABIC FATHA|FATHA MEDIAL FORM|=ARABIC DAMMA|DAMMA MEDIAL FORM|=ARABIC KASRA|"
            "KASRA MEDIAL FORM|FATHATAN|DAMMATAN|DAMMATAN|KASRATAN|=ARABIC SUKUN|SUKUN MEDIAL FORM|=ARABIC SHADDA|"
            "SHADDA MEDIAL FORM|SHADDA WITH FATHA ISOLATED|SHADDA WITH FATHA MEDIAL|SHADDA WITH DAMMA ISOLATED|"
            "SHADDA WITH DAMMA MEDIAL|SHADDA WITH KASRA ISOLATED|SHADDA WITH KASRA MEDIAL|SHADDA & FATHATAN|"
            "SHADDA WITH DAMMATAN|SHADDA WITH DAMMATAN|SHADDA WITH KASRATAN|MADDAH ABOVE|TATWEEL & SUPERSCRIPT ALEF|"
            "HAMZA ABOVE|ARABIC COMMA|ARABIC SEMICOLON|ARABIC QUESTION MARK|FIVE POINTED STAR|DIGIT ONE|DIGIT TWO|"
            "DIGIT THREE|DIGIT FOUR|DIGIT FIVE|DIGIT SIX|DIGIT SEVEN|DIGIT EIGHT|DIGIT NINE|DIGIT ZERO|"
            "EXTENDED ARABIC-INDIC DIGIT TWO"},
    {13, 167, "ALEF WITH FATHATAN ISOLATED|ALEF WITH FATHATAN FINAL"},
    {13, 171, "MODIFIER LETTER CIRCUMFLEX|LAM WITH ALEF ISOLATED|LAM WITH ALEF FINAL|HAMZA ABOVE ISOLATED|"
              "HAMZA ABOVE FINAL|HAMZA BELOW ISOLATED|HAMZA BELOW FINAL|LAM WITH ALEF ISOLATED & FATHATAN|"
              "LAM WITH ALEF FINAL & FATHATAN|MADDA ABOVE ISOLATED|MADDA ABOVE FINAL|"
              "LAM WITH ALEF ISOLATED & CIRCUMFLEX|LAM WITH ALEF FINAL & CIRCUMFLEX|ALLAH|=ARABIC TATWEEL|"
              "=ARABIC TATWEEL|=ARABIC LETTER ALEF WASLA|ALEF WASLA FINAL|ARABIC PERCENT|RIGHT-POINTING DOUBLE ANGLE|"
              "LEFT-POINTING DOUBLE ANGLE|ORNATE RIGHT PARENTHESIS|ORNATE LEFT PARENTHESIS"},
    // 0 to 36 are dotting marks, which Unicode does not have.
    {14, 0, "=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|"
            "=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|"
            "=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|"
            "=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=LOW LINE|=ARABIC DAMMATAN|"
            "SHADDA WITH DAMMATAN|=ARABIC VOWEL SIGN SMALL V ABOVE|TATWEEL & SMALL V ABOVE|DIGIT FOUR|DIGIT FOUR|"
            "DIGIT FIVE|DIGIT SIX|DIGIT SIX|DIGIT SEVEN|DIGIT EIGHT"},
    {14, 184, "LAM WITH SMALL V & ALEF|LAM WITH SMALL V & ALEF"},
    // Letters the charts name without a Unicode counterpart that is sure.
    {14, 200, "*|*"},
    {14, 208, "*|*|*|*"},
};

struct Range {
    int set, first, last;
};
// Capital and small letters in turn, the capital on the even number.
constexpr Range kCasePairs[] = {{1, 26, 233}, {10, 0, 147}};
// Capitals whose base letters stand in alphabetical order.
constexpr Range kAlphabeticalCapitals[] = {{10, 0, 65}, {10, 110, 127}, {10, 128, 147}};
// Arabic letters, each followed by its contextual forms (the base letter
// standing in where Unicode has no presentation form for the shape).
constexpr Range kLetterRuns[] = {{13, 52, 166}, {13, 169, 170}, {14, 48, 183}, {14, 186, 199}, {14, 202, 207},
                                 {14, 212, 219}};

int SetSize(int set) {
    int size = 0;
    for (std::string probe; AppendCharacterForm(static_cast<uint8_t>(set), static_cast<uint8_t>(size), probe);) {
        if (++size == 256) break;
    }
    return size;
}

bool IsWordCharacter(char c) { return c != ' ' && c != '+'; }

// Whether `words` occurs in `names` from `from` on as whole words; moves
// `from` past it.
bool FindWords(std::string_view names, std::string_view words, size_t& from) {
    for (size_t at = names.find(words, from); at != std::string_view::npos; at = names.find(words, at + 1)) {
        const size_t end = at + words.size();
        if ((at == 0 || !IsWordCharacter(names[at - 1])) && (end == names.size() || !IsWordCharacter(names[end]))) {
            from = end;
            return true;
        }
    }
    return false;
}

bool NamesMatch(std::string_view expected, const std::string& names, bool empty) {
    if (expected == "0") return empty;
    if (empty) return false;
    if (expected == "*" || expected == "-") return true;
    if (expected[0] == '=') return names == expected.substr(1);
    size_t from = 0;
    for (size_t start = 0; start <= expected.size();) {
        size_t end = std::min(expected.find(" & ", start), expected.size());
        if (!FindWords(names, expected.substr(start, end - start), from)) return false;
        start = end + 3;
    }
    return true;
}

// What the checks need of one entry.
struct Entry {
    CodePoints shown, compatibility;
    std::string names, decomposedNames;  // of the characters, and of their canonical decomposition
};

// One set, its entries and the expectation of every number.
class SetUnderTest {
public:
    explicit SetUnderTest(int set) : set_(set), expected_(SetSize(set)) {
        for (int c = 0; c < static_cast<int>(expected_.size()); ++c) {
            std::string form;
            AppendCharacterForm(static_cast<uint8_t>(set), static_cast<uint8_t>(c), form);
            Entry e;
            e.shown = Shown(form, set);
            e.compatibility = Decomposed(e.shown, true);
            e.names = NamesOf(e.shown);
            e.decomposedNames = NamesOf(Decomposed(e.shown, false));
            entries_.push_back(e);
        }
        for (const Names& n : kNames) {
            if (n.set != set) continue;
            int c = n.first;
            for (size_t start = 0; start <= n.names.size(); ++c) {
                size_t end = std::min(n.names.find('|', start), n.names.size());
                EXPECT_LT(c, static_cast<int>(expected_.size())) << "names past the end of set " << set;
                if (c < static_cast<int>(expected_.size())) expected_[c] = n.names.substr(start, end - start);
                start = end + 1;
            }
        }
    }

    int size() const { return static_cast<int>(entries_.size()); }
    // Whether the charts' name of c has no Unicode counterpart to check.
    bool AnyCharacter(int c) const { return expected_[c] == "*"; }
    const Entry& entry(int c) const { return entries_[c]; }
    // Numbers that no check covers.
    std::vector<int> Unchecked() const {
        std::vector<int> unchecked;
        for (int c = 0; c < size(); ++c) {
            if (expected_[c].empty() && !In(kCasePairs, c) && !In(kLetterRuns, c)) unchecked.push_back(c);
        }
        return unchecked;
    }

    // The faults of the entries placed as `order` says (order[c] is the
    // entry at number c); stops at the first when `all` is false.
    std::vector<std::string> Faults(const std::vector<int>& order, bool all) const {
        std::vector<std::string> faults;
        auto fault = [&](int c, const std::string& what) {
            faults.push_back("set " + std::to_string(set_) + ", character " + std::to_string(c) + ": " + what +
                             " (" + at(order, c).names + ")");
            return !all;
        };
        for (int c = 0; c < size(); ++c) {
            for (char32_t point : at(order, c).shown) {
                const UnicodeCharacter* u = Find(point);
                if (!u || u->category == "Co" || u->category == "Cs") {
                    if (fault(c, "not an assigned character")) return faults;
                }
            }
            const Entry& e = at(order, c);
            if (!expected_[c].empty() && !NamesMatch(expected_[c], e.names, e.shown.empty()) &&
                !NamesMatch(expected_[c], e.decomposedNames, e.shown.empty())) {
                if (fault(c, "expected " + std::string(expected_[c]))) return faults;
            }
        }
        for (const Range& r : kCasePairs) {
            for (int c = r.first; r.set == set_ && c <= r.last; c += 2) {
                if (!CasePair(at(order, c), at(order, c + 1)) && fault(c, "no capital and small pair")) return faults;
            }
        }
        for (const Range& r : kAlphabeticalCapitals) {
            for (int c = r.first + 2; r.set == set_ && c <= r.last; c += 2) {
                if (at(order, c).compatibility[0] < at(order, c - 2).compatibility[0] &&
                    fault(c, "out of alphabetical order"))
                    return faults;
            }
        }
        for (const Range& r : kLetterRuns) {
            if (r.set != set_) continue;
            for (int c = r.first; c <= r.last;) {
                const int start = c;
                std::string what = LetterRun(order, c, r.last);
                if (!what.empty() && fault(start, what)) return faults;
            }
        }
        return faults;
    }

private:
    template <size_t N>
    bool In(const Range (&ranges)[N], int c) const {
        for (const Range& r : ranges)
            if (r.set == set_ && c >= r.first && c <= r.last) return true;
        return false;
    }
    const Entry& at(const std::vector<int>& order, int c) const { return entries_[order[c]]; }

    static bool CasePair(const Entry& capital, const Entry& small) {
        if (capital.compatibility.size() != small.compatibility.size()) return false;
        bool cased = false;
        for (size_t i = 0; i < capital.compatibility.size(); ++i) {
            const UnicodeCharacter* u = Find(capital.compatibility[i]);
            if (!u) return false;
            const bool isCapital = u->category == "Lu";
            cased = cased || isCapital;
            if ((isCapital ? u->lower : capital.compatibility[i]) != small.compatibility[i]) return false;
        }
        return cased;
    }

    // Checks the run of the letter at c (moving c past it): the base letter,
    // then as many forms as its joining type asks for, in the order initial,
    // medial, final.
    std::string LetterRun(const std::vector<int>& order, int& c, int last) const {
        const CodePoints& base = at(order, c++).shown;
        if (base.size() != 1 || !Find(base[0]) || !Find(base[0])->decompositionTag.empty() ||
            !Unicode().joiningType.count(base[0]))
            return "no Arabic base letter";
        std::vector<std::string> forms;
        const char joining = Unicode().joiningType.at(base[0]);
        // WordPerfect gives alef maksura its final form only.
        if (joining == 'R' || (set_ == 13 && base[0] == 0x0649)) forms = {"<final>"};
        else if (joining == 'D') forms = {"<initial>", "<medial>", "<final>"};
        for (const std::string& tag : forms) {
            if (c > last) return "run cut off";
            const CodePoints& form = at(order, c++).shown;
            auto known = Unicode().forms.find({base[0], tag});
            const bool isForm = form.size() == 1 && known != Unicode().forms.end() && known->second == form[0];
            const bool standIn = form == base && known == Unicode().forms.end();
            if (!isForm && !standIn) return "not the " + tag + " form of the letter before";
        }
        return {};
    }

    int set_;
    std::vector<std::string_view> expected_;
    std::vector<Entry> entries_;
};

constexpr int kSets[] = {1, 2, 3, 4, 5, 9, 10, 13, 14};

std::vector<int> Identity(int size) {
    std::vector<int> order(size);
    for (int c = 0; c < size; ++c) order[c] = c;
    return order;
}

class UnicodeNames : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Unicode().loaded) << "the Unicode data is missing from " << UnicodeFolder()
                                      << " (Debian's unicode-data package; tools/install-deps.sh --test)";
    }
};

TEST_F(UnicodeNames, EveryEntryIsWhatItsNameSays) {
    for (int set : kSets) {
        SetUnderTest table(set);
        EXPECT_EQ(table.Unchecked(), std::vector<int>{}) << "set " << set << " has entries that no check covers";
        for (const std::string& fault : table.Faults(Identity(table.size()), true)) ADD_FAILURE() << fault;
    }
}

// Any two different entries exchanged break a check: the tests see a swap
// wherever it happens.
TEST_F(UnicodeNames, EverySwapOfTwoEntriesIsSeen) {
    for (int set : kSets) {
        SetUnderTest table(set);
        std::vector<int> order = Identity(table.size());
        int unseen = 0;
        for (int a = 0; a < table.size(); ++a) {
            for (int b = a + 1; b < table.size(); ++b) {
                if (table.entry(a).shown == table.entry(b).shown || (table.AnyCharacter(a) && table.AnyCharacter(b)))
                    continue;
                std::swap(order[a], order[b]);
                if (table.Faults(order, false).empty() && ++unseen <= 5)
                    ADD_FAILURE() << "set " << set << ": exchanging " << a << " and " << b << " goes unseen";
                std::swap(order[a], order[b]);
            }
        }
        EXPECT_EQ(unseen, 0) << "set " << set;
    }
}

TEST_F(UnicodeNames, ReadsFormsAsAReaderDoes) {
    EXPECT_EQ(Shown(R"(\'e9)", 1), CodePoints{0xE9});
    EXPECT_EQ(Shown(R"(\'ea\'c0)", 9), (CodePoints{0x05DA, 0x05B0}));
    EXPECT_EQ(Shown(R"({\uc2\u-1222\'ea\'cc\'c8})", 9), (CodePoints{0xFB3A, 0x05B8}));
    EXPECT_EQ(Shown(R"({\uc2\u-928\'f8\'f3\uc1\u1600\'dc})", 13), (CodePoints{0xFC60, 0x0640}));
    EXPECT_EQ(NamesOf(Decomposed({0xFB2D}, false)),
              "HEBREW LETTER SHIN + HEBREW POINT DAGESH OR MAPIQ + HEBREW POINT SIN DOT");
    EXPECT_TRUE(NamesMatch("FINAL KAF & DAGESH", "HEBREW LETTER FINAL KAF + HEBREW POINT DAGESH OR MAPIQ", false));
    EXPECT_FALSE(NamesMatch("DAGESH & FINAL KAF", "HEBREW LETTER FINAL KAF + HEBREW POINT DAGESH OR MAPIQ", false));
    EXPECT_FALSE(NamesMatch("LETTER HE", "HEBREW LETTER HET", false));
}

}  // namespace
}  // namespace quorin
