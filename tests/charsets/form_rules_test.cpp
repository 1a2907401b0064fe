// Properties every form must have, and the regularities of the tables
// (capital/small pairs, contextual-form runs) that catch a slipped value.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/character_sets.h"
#include "support/rtf_checks.h"

namespace quorin {
namespace {

struct Token {
    enum Kind { kOpen, kClose, kControl, kByte } kind;
    std::string word;  // control word name
    int value = 0;     // control word parameter or byte
};

// Splits a form into groups, control words with parameters and "\'hh"
// bytes; anything else (plain text, upper-case hex) makes it malformed.
std::optional<std::vector<Token>> Tokenize(const std::string& form) {
    std::vector<Token> tokens;
    size_t i = 0;
    auto isDigit = [&](size_t at) { return at < form.size() && form[at] >= '0' && form[at] <= '9'; };
    while (i < form.size()) {
        char c = form[i];
        if (c == '{' || c == '}') {
            tokens.push_back({c == '{' ? Token::kOpen : Token::kClose, {}, 0});
            ++i;
            continue;
        }
        if (c != '\\' || i + 1 >= form.size()) return std::nullopt;
        if (form[i + 1] == '\'') {
            std::string hex = form.substr(i + 2, 2);
            if (hex.size() != 2 || hex.find_first_not_of("0123456789abcdef") != std::string::npos) return std::nullopt;
            tokens.push_back({Token::kByte, {}, std::stoi(hex, nullptr, 16)});
            i += 4;
            continue;
        }
        size_t start = ++i;
        while (i < form.size() && form[i] >= 'a' && form[i] <= 'z') ++i;
        Token word{Token::kControl, form.substr(start, i - start), 0};
        size_t number = i;
        if (i < form.size() && form[i] == '-') ++i;
        if (word.word.empty() || !isDigit(i)) return std::nullopt;
        while (isDigit(i)) ++i;
        word.value = std::stoi(form.substr(number, i - number));
        tokens.push_back(word);
    }
    return tokens;
}

std::string FormOf(int set, int c) {
    std::string out;
    AppendCharacterForm(static_cast<uint8_t>(set), static_cast<uint8_t>(c), out);
    return out;
}

// The "\u" parameters of a form, in order.
std::vector<int> UnicodeParameters(const std::string& form) {
    std::vector<int> values;
    std::vector<Token> tokens = Tokenize(form).value();
    for (const Token& t : tokens) {
        if (t.kind == Token::kControl && t.word == "u") values.push_back(t.value);
    }
    return values;
}

int FirstUnicode(int set, int c) {
    std::vector<int> values = UnicodeParameters(FormOf(set, c));
    return values.empty() ? -100000 : values.front();
}

int CodePoint(int parameter) { return parameter < 0 ? parameter + 65536 : parameter; }

// Checks the skip-count discipline of one form: "\ucK" only inside a group,
// other than 1 only first in its group, and every "\u" followed by at least
// as many fallback bytes as the count in force.
std::string SkipCountFault(const std::string& form) {
    std::vector<Token> tokens = Tokenize(form).value();
    std::vector<int> counts{1};
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.kind == Token::kOpen) counts.push_back(counts.back());
        if (t.kind == Token::kClose) counts.pop_back();
        if (t.kind != Token::kControl) continue;
        if (t.word == "uc") {
            if (counts.size() == 1) return "skip count set outside a group";
            if (t.value != 1 && tokens[i - 1].kind != Token::kOpen) return "skip count not first in its group";
            counts.back() = t.value;
        } else if (t.word == "u") {
            if (t.value < -32768 || t.value > 32767) return "parameter out of range";
            int bytes = 0;
            while (i + 1 + bytes < tokens.size() && tokens[i + 1 + bytes].kind == Token::kByte) ++bytes;
            if (bytes < counts.back()) return "fewer fallback bytes than the skip count";
        } else {
            return "unexpected control word " + t.word;
        }
    }
    return {};
}

TEST(FormRules, EveryFormIsWellFormed) {
    int forms = 0;
    for (int set = 0; set <= 255; ++set) {
        for (int c = 0; c <= 255; ++c) {
            std::string form;
            if (!AppendCharacterForm(static_cast<uint8_t>(set), static_cast<uint8_t>(c), form)) continue;
            ++forms;
            SCOPED_TRACE("set " + std::to_string(set) + ", character " + std::to_string(c) + ": " + form);
            EXPECT_TRUE(test::BracesBalanced(form));
            ASSERT_TRUE(Tokenize(form).has_value());
            EXPECT_EQ(SkipCountFault(form), "");
        }
    }
    EXPECT_EQ(forms, 234 + 28 + 56 + 85 + 35 + 119 + 150 + 194 + 220);
}

TEST(FormRules, SkipCountCheckCatchesFaults) {
    EXPECT_EQ(SkipCountFault(R"(\u1612\'f1)"), "");
    EXPECT_EQ(SkipCountFault(R"({\uc2\u-928\'f8\'f3\uc1\u1600\'dc})"), "");
    EXPECT_NE(SkipCountFault(R"(\uc0\u1040)"), "");
    EXPECT_NE(SkipCountFault(R"({\'41\uc2\u-928\'f8\'f3})"), "");
    EXPECT_NE(SkipCountFault(R"({\uc2\u-928\'f8})"), "");
    EXPECT_NE(SkipCountFault(R"(\u1612)"), "");
    EXPECT_NE(SkipCountFault(R"(\u40000\'5f)"), "");
    EXPECT_FALSE(Tokenize(R"(\'C9)").has_value());
}

TEST(FormRules, MultinationalCapitalAndSmallPairs) {
    for (int c = 26; c <= 73; c += 2) {
        std::string capital = FormOf(1, c), small = FormOf(1, c + 1);
        ASSERT_EQ(capital.size(), 4u);
        EXPECT_EQ(std::stoi(small.substr(2), nullptr, 16), std::stoi(capital.substr(2), nullptr, 16) + 0x20) << c;
    }
    for (auto [first, last] : {std::pair{90, 129}, {132, 155}, {158, 211}}) {
        for (int c = first; c <= last; c += 2) EXPECT_EQ(FirstUnicode(1, c + 1), FirstUnicode(1, c) + 1) << c;
    }
}

int CyrillicSmall(int capital) {
    if (capital >= 0x400 && capital <= 0x40f) return capital + 80;
    if (capital >= 0x410 && capital <= 0x42f) return capital + 32;
    return capital + 1;
}

TEST(FormRules, CyrillicCapitalAndSmallPairs) {
    for (int c = 0; c <= 146; c += 2) {
        EXPECT_EQ(FirstUnicode(10, c + 1), CyrillicSmall(FirstUnicode(10, c))) << c;
    }
}

// Numbers 66 to 93 hold the extra letters of the Slavic alphabets in
// alphabetical order: Ґ, then the letters of U+0402 to U+040F, each once.
TEST(FormRules, SlavicLettersInAlphabeticalOrder) {
    EXPECT_EQ(FirstUnicode(10, 66), 0x490);
    int previous = 0x401;
    for (int c = 68; c <= 92; c += 2) {
        EXPECT_GT(FirstUnicode(10, c), previous) << c;
        EXPECT_LE(FirstUnicode(10, c), 0x40f) << c;
        previous = FirstUnicode(10, c);
    }
}

TEST(FormRules, HebrewAccentsAreCantillationMarks) {
    for (int c = 52; c <= 82; ++c) {
        int point = FirstUnicode(9, c);
        EXPECT_TRUE((point >= 0x591 && point <= 0x5af) || point == 0x5c4) << c;
    }
}

// U+FB30 to U+FB4A are the letters alef to tav with dagesh (or mapiq), in the
// same order as their windows-1255 bytes 0xe0 to 0xfa.
TEST(FormRules, HebrewDageshFormsFallBackToTheirLetterAndDagesh) {
    int checked = 0;
    for (int c = 83; c <= 118; ++c) {
        std::vector<Token> tokens = Tokenize(FormOf(9, c)).value();
        for (size_t i = 0; i + 2 < tokens.size(); ++i) {
            if (tokens[i].word != "u") continue;
            int point = CodePoint(tokens[i].value);
            if (point < 0xfb30 || point > 0xfb4a) continue;
            EXPECT_EQ(tokens[i + 1].value, 0xe0 + (point - 0xfb30)) << c;
            EXPECT_EQ(tokens[i + 2].value, 0xcc) << c;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 20);
}

TEST(FormRules, BoxDrawingCharactersAreBoxDrawing) {
    for (int c = 0; c <= 55; ++c) {
        int point = FirstUnicode(3, c);
        EXPECT_TRUE(point >= 0x2500 && point <= 0x259f) << c;
    }
}

// The windows-1256 byte of an Arabic letter U+0621 to U+064A.
int Windows1256Letter(int point) {
    if (point <= 0x636) return 0xc1 + (point - 0x621);
    if (point <= 0x63a) return 0xd8 + (point - 0x637);
    if (point >= 0x641 && point <= 0x643) return 0xdd + (point - 0x641);
    if (point == 0x644) return 0xe1;
    if (point >= 0x645 && point <= 0x648) return 0xe3 + (point - 0x645);
    if (point == 0x649) return 0xec;
    if (point == 0x64a) return 0xed;
    return -1;
}

std::string FallbackOf(int set, int c) {
    std::string form = FormOf(set, c);
    return form.substr(form.find("\\'"));
}

// Checks the letter runs of a stretch of an Arabic table: each run is a base
// letter (U+0600 to U+06FF, U+0750 to U+077F) and the presentation forms after it, initial,
// medial and final, or final alone; with a shared fallback, that is the
// letter's code-page byte. Four-entry runs whose forms all exist in
// Unicode must have initial = final + 1 and medial = final + 2, as the blocks
// order them.
void ExpectLetterRuns(int set, int first, int last, bool sharedFallback, int borrowedFormsAt = -1) {
    std::vector<std::vector<int>> runs;
    for (int c = first; c <= last; ++c) {
        int point = CodePoint(FirstUnicode(set, c));
        // Set 14 writes a run's base letter again where Unicode has no
        // presentation form; set 13 holds presentation forms only.
        const bool baseAgain = set == 14 && !runs.empty() && point == CodePoint(FirstUnicode(set, runs.back()[0]));
        if (((point >= 0x600 && point <= 0x6ff) || (point >= 0x750 && point <= 0x77f)) && !baseAgain) {
            runs.push_back({c});
            continue;
        }
        ASSERT_FALSE(runs.empty()) << c;
        runs.back().push_back(c);
        EXPECT_TRUE(baseAgain || (point >= 0xfb50 && point <= 0xfeff)) << c;
        if (sharedFallback) {
            EXPECT_EQ(FallbackOf(set, c), FallbackOf(set, runs.back()[0])) << c;
        }
    }
    for (const std::vector<int>& run : runs) {
        SCOPED_TRACE("letter at " + std::to_string(run[0]));
        if (sharedFallback) {
            std::string fallback = FallbackOf(set, run[0]);
            EXPECT_EQ(std::stoi(fallback.substr(2), nullptr, 16), Windows1256Letter(FirstUnicode(set, run[0])));
        }
        EXPECT_TRUE(run.size() <= 2 || run.size() == 4);
        if (run.size() != 4 || run[0] == borrowedFormsAt) continue;
        int initial = CodePoint(FirstUnicode(set, run[1]));
        int medial = CodePoint(FirstUnicode(set, run[2]));
        int final = CodePoint(FirstUnicode(set, run[3]));
        bool allInBlocks = initial >= 0xfb50 && initial <= 0xfeff && medial >= 0xfb50 && medial <= 0xfeff
                           && final >= 0xfb50 && final <= 0xfeff;
        if (!allInBlocks) continue;
        EXPECT_EQ(initial, final + 1);
        EXPECT_EQ(medial, final + 2);
    }
}

TEST(FormRules, ArabicLetterRuns) {
    ExpectLetterRuns(13, 52, 166, true);
    ExpectLetterRuns(13, 169, 170, true);
    // Gaf comes twice (160 and 164); 184 and 185, lam with small v and alef,
    // are two letters each.
    ExpectLetterRuns(14, 48, 163, false);
    ExpectLetterRuns(14, 164, 183, false);
    ExpectLetterRuns(14, 186, 219, false);
}

}  // namespace
}  // namespace quorin
