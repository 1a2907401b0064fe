// The per-document direction: which characters count as letters, checked
// against Unicode's letter categories of what the character tables write,
// and the count over a code stream.
#include <gtest/gtest.h>
#include <iconv.h>

#include <QChar>
#include <QString>
#include <string>

#include "core/character_sets.h"
#include "core/document_direction.h"
#include "support/wp_builder.h"

namespace quorin {
namespace {

using test::Bytes;
using test::Extended;
using test::Variable;

// One code-page byte as Unicode, through the C library's converter.
char32_t FromCodePage(const char* codePage, uint8_t byte) {
    iconv_t convert = iconv_open("UTF-32LE", codePage);
    char in[1] = {static_cast<char>(byte)};
    char32_t out = 0;
    char* from = in;
    char* to = reinterpret_cast<char*>(&out);
    size_t inLeft = 1, outLeft = sizeof out;
    size_t done = iconv(convert, &from, &inLeft, &to, &outLeft);
    // Some converters hold a letter back to join it with a following point.
    if (done != size_t(-1)) done = iconv(convert, nullptr, nullptr, &to, &outLeft);
    iconv_close(convert);
    return done == size_t(-1) ? 0 : out;
}

// The text a form shows: "\uN" characters and code-page bytes, less the
// fallback bytes each "\u" skips ("\ucN" in force, 1 by default). A private
// character stands for its fallback, which is taken instead.
QString ShownText(const std::string& form, const char* codePage) {
    QString text;
    int skipCount = 1, toSkip = 0;
    for (size_t i = 0; i < form.size();) {
        if (form[i] != '\\') {
            ++i;
            continue;
        }
        if (form[i + 1] == '\'') {
            uint8_t byte = static_cast<uint8_t>(std::stoi(form.substr(i + 2, 2), nullptr, 16));
            if (toSkip > 0) --toSkip;
            else text += QString::fromUcs4(std::u32string(1, FromCodePage(codePage, byte)).data(), 1);
            i += 4;
            continue;
        }
        size_t end = i + 1;
        while (end < form.size() && std::isalpha(static_cast<unsigned char>(form[end]))) ++end;
        std::string word = form.substr(i + 1, end - i - 1);
        size_t used = 0;
        int value = std::stoi(form.substr(end), &used);
        if (word == "uc") skipCount = value;
        char16_t character = static_cast<char16_t>(value < 0 ? value + 65536 : value);
        if (word == "u" && QChar(character).category() == QChar::Other_PrivateUse) {
            toSkip = 0;
        } else if (word == "u") {
            text += QChar(character);
            toSkip = skipCount;
        }
        i = end + used;
    }
    return text;
}

// A letter is a character that shows a letter once its compatibility
// forms are taken apart: a ligature of marks is no letter, a pointed letter is.
bool ShowsLetter(const QString& text) {
    for (QChar c : text.normalized(QString::NormalizationForm_KD)) {
        QChar::Category category = c.category();
        if (category == QChar::Letter_Uppercase || category == QChar::Letter_Lowercase ||
            category == QChar::Letter_Titlecase || category == QChar::Letter_Other)
            return true;
    }
    return false;
}

TEST(DirectionDecision, LettersAreWhatUnicodeCallsLetters) {
    struct Set {
        uint8_t number;
        const char* codePage;
        bool rightToLeft;
    };
    for (Set set : {Set{1, "WINDOWS-1252", false}, Set{9, "WINDOWS-1255", true}, Set{13, "WINDOWS-1256", true},
                    Set{14, "WINDOWS-1256", true}}) {
        int letters = 0;
        for (int c = 0; c < 256; ++c) {
            std::string form;
            AppendCharacterForm(set.number, static_cast<uint8_t>(c), form);
            bool expected = ShowsLetter(ShownText(form, set.codePage));
            bool counted = set.rightToLeft ? IsRightToLeftLetter(set.number, c) : IsLatinLetter(set.number, c);
            EXPECT_EQ(counted, expected) << "set " << int(set.number) << " character " << c << " " << form;
            EXPECT_FALSE(set.rightToLeft ? IsLatinLetter(set.number, c) : IsRightToLeftLetter(set.number, c));
            letters += expected;
        }
        EXPECT_GT(letters, 20) << "set " << int(set.number);
    }
}

TEST(DirectionDecision, CountsTextAndExtendedCharactersButNotCodeContents) {
    const std::string hebrewWord = Extended(9, 0) + Extended(9, 1) + Extended(9, 2);
    // A header full of Hebrew, a fixed-length code whose bytes look like
    // letters, a point and punctuation: only the plain "Hi" and the é count.
    const std::string codes = Variable(0xD5, 0, std::string(10, 'x') + hebrewWord + hebrewWord) +
                              Bytes({0xC3, 'A', 'B'}) + "Hi" + Extended(1, 41) + Extended(9, 32) + "1, !" + "\n";
    LetterCount count = CountLetters(codes);
    EXPECT_EQ(count.latin, 3u);
    EXPECT_EQ(count.rightToLeft, 0u);

    count = CountLetters(hebrewWord + Extended(13, 51) + Extended(0, 'q') + "ab");  // 13/51 is a digit
    EXPECT_EQ(count.rightToLeft, 3u);
    EXPECT_EQ(count.latin, 3u);
    // Codes cut off by the end of the stream end the count without reading past it.
    for (const std::string& cut : {Bytes({0xC0, 0}), Bytes({0xD5, 0, 0xFF}), Bytes({0xD5, 0, 0xFF, 0xFF}), Bytes({0xCF})})
        EXPECT_EQ(CountLetters("a" + cut).latin, 1u);
}

TEST(DirectionDecision, MoreRightToLeftLettersMakeARightToLeftDocument) {
    auto file = [](const std::string& body) { return test::WpDocument().Body(body).Build(); };
    const std::string alef = Extended(9, 0), beh = Extended(13, 52);
    EXPECT_TRUE(ReadsRightToLeft(file(alef + alef + "a")));
    EXPECT_TRUE(ReadsRightToLeft(file(beh + "  1234")));
    EXPECT_FALSE(ReadsRightToLeft(file(alef + beh + "ab")));  // a tie
    EXPECT_FALSE(ReadsRightToLeft(file("1234 ,.")));         // no letters
    EXPECT_FALSE(ReadsRightToLeft(file("ab" + alef)));
    // Letters in front of the document area (the prefix) do not count.
    std::string prefixed = test::WpDocument().Packet(1, alef + alef + alef).Body("a").Build();
    EXPECT_FALSE(ReadsRightToLeft(prefixed));
    EXPECT_FALSE(ReadsRightToLeft(std::string(10, '\xC0')));
}

}  // namespace
}  // namespace quorin
