// What word processors show of converted documents: reversed text of every
// kind after text of every script, marked headings, the Arabic-script and
// Cyrillic letters, and the real documents of tests/data. One run of each
// reader converts all the documents.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <vector>

#include "rtl_codes.h"
#include "support/libreoffice_read_back.h"
#include "support/structure_codes.h"

namespace quorin::test {
namespace {

struct Shown {
    std::string name, file, text;  // the document and the text a reader must show
};

// Characters of every family with the text they stand for.
const std::pair<std::string, std::string> kFamilies[] = {
    {"A", "A"},
    {Extended(1, 23), "\u00DF"},               // multinational
    {Extended(9, 0), "\u05D0"},                // Hebrew letter
    {Extended(9, 83), "\uFB30"},               // Hebrew letter with point, as a Unicode escape
    {Extended(9, 105), "\u05DF\u05B8"},        // Hebrew letter and point, as two bytes
    {Extended(13, 52), "\u0627"},              // Arabic letter
    {Extended(13, 11), "\uFE77"},              // Arabic mark with a two-byte fallback
    {Extended(14, 49), "\uFB54"},              // Arabic-script letter
    {Extended(10, 0), "\u0410"},               // Cyrillic
    {Extended(4, 0), "\u2022"},                // symbol
    {Extended(20, 5), "<<20,5>>"},             // placeholder
    {"\"", "\""},
};

// Text of each script that may stand before a reversed-text code.
const std::pair<std::string, std::string> kScriptsBefore[] = {
    {"x", "x"},
    {Extended(1, 23), "\u00DF"},
    {Extended(9, 1), "\u05D1"},
    {Extended(13, 54), "\u0628"},
    {Extended(10, 2), "\u0411"},
};

std::vector<Shown> GeneratedDocuments() {
    std::vector<Shown> documents;
    // Reversed text mixing every family, after text of each script; and
    // each family alone, reversed with its neighbours.
    std::string body, text;
    for (const auto& [codes, shown] : kScriptsBefore) {
        std::string inside, reversed;
        for (const auto& [familyCodes, familyText] : kFamilies) {
            inside += familyCodes;
            reversed = familyText + reversed;
        }
        body += codes + Reversed(inside) + codes + "\x0A";
        text += shown + " " + reversed + shown + "\n";
        for (const auto& [familyCodes, familyText] : kFamilies) {
            body += codes + Reversed(familyCodes + "b" + familyCodes) + codes + "\x0A";
            text += shown + " " + familyText + "b" + familyText + shown + "\n";
        }
    }
    text.pop_back();
    documents.push_back({"reversed text", WpDocument().Body(body).Build(), text});

    documents.push_back({"marked heading",
                         WpDocument().Body(MarkStart() + "Title" + MarkEnd(1) + "\x0A" + "Body\x0A").Build(),
                         "Title\nBody"});
    // Rows of the Arabic-script set whose shapes have no presentation form:
    // teh with ring, hah with three dots above, e, teh with three dots above downwards.
    std::string rows;
    for (int first : {64, 96, 208, 72}) rows += SetText(14, {first, first + 1, first + 2, first + 3}) + " ";
    documents.push_back({"Arabic-script rows", WpDocument().Body(rows + "\x0A").Build(),
                         "\u067C\u067C\u067C\u067C \u0685\u0685\u0685\u0685 \u06D0\u06D0\u06D0\u06D0 "
                         "\u067D\u067D\u067D\u067D "});
    // Styles whose codes hold text, a header and paragraph ends, under names
    // a reader must not show either.
    const std::string styleText = "Pecha Box" + Fixed(0xC3, {12}) + "\x0A" + HeaderFooter(0, 1, "x-space") + "\x0A";
    documents.push_back({"styles",
                         WpDocument()
                             .Packet(257, StylePacket("wide1", 2, 1, styleText, "Gen format\x0A"))
                             .Packet(258, StylePacket("Gen format", 0, 2, styleText, "9b 1/4 space"))
                             .Body(VariableWithByteAt(0xDB, 0, 13, 2, 20) + "Body" + "\x0A")
                             .Build(),
                         "Body"});
    // Boxes of every kind holding Latin, Hebrew and Arabic text, between
    // words: text, then caption, in place; nothing of a graphic or a line.
    const std::string hebrew = SetText(9, {0, 1, 2}), arabic = SetText(13, {52, 54});
    const std::string source = "x over y";
    const std::string equation = std::string(10, '\0') + Word(static_cast<int>(source.size())) + source + "drawn";
    documents.push_back({"boxes",
                         WpDocument()
                             .Body("Before " + Box(2, 0x10, "Text " + hebrew, "Box " + arabic + "\x0A" + "two") +
                                   "after\x0A" + Box(1, 0x10, arabic, "Table " + hebrew) +
                                   Box(3, 0x10, "", hebrew + " user " + arabic) + Box(0, 0x80, "Figure " + hebrew, "WPG") +
                                   Box(4, 0x08, "Eq " + arabic, equation) + Box(5, 0, "", "") + "End\x0A")
                             .Build(),
                         "Before \nBox \u0627\u0628\ntwo\nText \u05D0\u05D1\u05D2\nafter\nTable \u05D0\u05D1\u05D2\n"
                         "\u0627\u0628\n\n\u05D0\u05D1\u05D2 user \u0627\u0628\n\nFigure \u05D0\u05D1\u05D2\n\nx over y\n"
                         "Eq \u0627\u0628\nEnd"});
    documents.push_back({"Serbian letters", WpDocument().Body(SetText(10, {68, 69, 80, 81}) + "\x0A").Build(),
                         "\u0402\u0452\u0408\u0458"});
    return documents;
}

// The words of a real document, as runs of letters in its text bytes.
std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (std::isalpha(static_cast<unsigned char>(c))) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

// The words of the text bytes of a WordPerfect file, whose text area starts
// at the offset in bytes 4 to 7: codes 0xC0 to 0xCF have fixed lengths, those
// from 0xD0 carry their length after the subfunction, the others are one byte.
std::vector<std::string> DocumentWords(const std::string& file) {
    static constexpr size_t kFixedLength[16] = {4, 9, 11, 3, 3, 5, 6, 7, 4, 5, 6, 6, 8, 10, 10, 12};
    auto byte = [&](size_t at) { return at < file.size() ? static_cast<uint8_t>(file[at]) : 0u; };
    std::string text;
    for (size_t at = byte(4) | byte(5) << 8 | byte(6) << 16 | byte(7) << 24; at < file.size();) {
        const uint8_t b = byte(at);
        text += b >= 0x20 && b <= 0x7E ? static_cast<char>(b) : ' ';
        at += b >= 0xD0 ? 4 + (byte(at + 2) | byte(at + 3) << 8) : b >= 0xC0 ? kFixedLength[b - 0xC0] : 1;
    }
    return Words(text);
}

// Without the direction marks a reader adds to keep the text's direction.
std::string WithoutDirectionMarks(std::string text) {
    for (const char* mark : {"\u200E", "\u200F"})
        for (size_t at; (at = text.find(mark)) != std::string::npos;) text.erase(at, 3);
    return text;
}

void ExpectReaderShows(TextReader reader, const char* readerName) {
    if (!TextReaderAvailable(reader)) GTEST_SKIP() << readerName << " is not installed";
    std::vector<Shown> documents = GeneratedDocuments();
    const size_t generated = documents.size();
    for (const char* name : {"sample-50.wp", "sample-51.wp", "report-1980.wp", "report-1996.wp"})
        documents.push_back({name, ReadTestData(name), ""});
    std::vector<std::string> rtfs;
    for (const Shown& document : documents) rtfs.push_back(ConvertFile(document.file));
    const std::vector<std::optional<std::string>> texts = ReadBackAsText(rtfs, reader);
    for (size_t i = 0; i < documents.size(); ++i) {
        SCOPED_TRACE(documents[i].name);
        ASSERT_TRUE(texts[i].has_value());
        if (i < generated) EXPECT_EQ(WithoutDirectionMarks(*texts[i]), documents[i].text);
        else EXPECT_EQ(Words(*texts[i]), DocumentWords(documents[i].file));
    }
}

TEST(WhatReadersShow, LibreOffice) { ExpectReaderShows(TextReader::kLibreOffice, "soffice"); }
TEST(WhatReadersShow, AbiWord) { ExpectReaderShows(TextReader::kAbiWord, "abiword"); }

}  // namespace
}  // namespace quorin::test
