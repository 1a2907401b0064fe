// Writes generated WordPerfect documents that reach every family of codes into
// the folder given as the argument: the fuzzer's starting corpus beside the
// real documents.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "support/structure_codes.h"
#include "support/wp_builder.h"

using namespace quorin::test;

namespace {

std::string FontList() {
    std::string record(86, '\0');
    record[18] = 0;
    std::string second(86, '\0');
    second[18] = 6;
    return record + second;
}

std::vector<std::string> Seeds() {
    const std::string text = "Plain text (with) [brackets] \"quotes\" {braces}\x0D" "second line\x0A";
    std::string everyByte;
    for (int b = 0; b < 0xC0; ++b) everyByte += static_cast<char>(b);
    std::string characters;
    for (int set = 0; set < 16; ++set)
        for (int c : {0, 1, 27, 41, 55, 84, 118, 149, 193, 219, 233, 255}) characters += Extended(set, c);
    std::string fixed;
    for (int code = 0xC1; code <= 0xCF; ++code) fixed += Fixed(static_cast<uint8_t>(code), {0x40, 1, 2});
    std::string formats = Variable(0xD0, 1, std::string(4, '\0') + Word(1800) + Word(1200)) +
                          Variable(0xD0, 6, Bytes({0, 2})) + VariableWithByteAt(0xD0, 11, 193, 1) +
                          VariableWithByteAt(0xD1, 1, 29, 3, 40) + VariableWithByteAt(0xD2, 1, 101, 2) +
                          Bytes({0x87}) + Variable(0xD3, 5, std::string(5, '\0') + Bytes({0xA5, 0, 0, 1, 0})) +
                          Variable(0xD3, 17, std::string(2, '\0') + "HE") + Variable(0xD3, 19, Bytes({0, 1})) +
                          VariableWithByteAt(0xDB, 0, 16, 127) + VariableWithByteAt(0xDB, 1, 22, 0) + Bytes({0x88});
    const std::string subDocument = std::string(18, '\0') + "Note text" + Extended(9, 5) + std::string(1, '\0');
    std::string structure = Variable(0xD5, 0, std::string(7, '\0') + Bytes({1}) + subDocument) +
                            Variable(0xD6, 0, subDocument) + Variable(0xD6, 1, subDocument) +
                            Variable(0xD7, 0, "") + "marked" + Variable(0xD7, 1, std::string(4, '\0')) +
                            Variable(0xD7, 4, subDocument) + Variable(0xD8, 2, std::string(2, '\0') + "AB" + '\0') +
                            Bytes({0xB3}) + Extended(9, 10) + Bytes({0xB4});
    std::string table = Variable(0xD2, 11, std::string(60, '\0')) + Variable(0xDC, 0, std::string(10, '\0')) + "cell" +
                        Variable(0xDC, 1, std::string(12, '\0')) + "row" + Variable(0xDC, 2, "");
    // Box codes of every kind and content type, holding text, captions and an
    // equation, side by side; and hostile ones: caption and source lengths
    // that run past the code, fields cut before the caption, no fields at
    // all, a kind past the last, a length word that runs past the end.
    std::string boxes;
    const std::string boxText = "box text" + Extended(13, 52) + "\x0A" + Fixed(0xC3, {12}) + "bold";
    const std::string equation = std::string(10, '\0') + Word(8) + "x over y" + "drawn";
    for (int kind = 0; kind <= 7; ++kind)
        for (int type : {0x08, 0x10}) boxes += Box(kind, type, "caption" + Extended(9, 5), type == 0x08 ? equation : boxText);
    boxes += Box(0, 0x80, "figure", "") + Box(5, 0, "", "");
    std::string lyingCaption = Box(2, 0x10, "caption", boxText), lyingSource = Box(4, 0x08, "", equation);
    lyingCaption[119] = lyingCaption[120] = '\xFF';
    lyingSource[131] = lyingSource[132] = '\xFF';
    boxes += lyingCaption + lyingSource + Variable(0xDA, 2, std::string(100, '\0')) + Variable(0xDA, 2, "") +
             Variable(0xDA, 255, Bytes({0xDA, 2})) + "after" + Bytes({0xDA, 2, 0xFF, 0xFF, 0});
    // Styles whose codes write text, a header and paragraph ends.
    const std::string styleRuns = "style text" + Variable(0xD5, 0, std::string(7, '\0') + Bytes({1}) + subDocument) +
                                  "\x0A" + Fixed(0xC3, {12});
    std::string nested = "deep";
    for (int level = 0; level < 12; ++level)
        nested = Variable(0xD6, 0, std::string(3, '\0') + nested + '\0');
    return {
        WpDocument().Body(text).Build(),
        WpDocument().Body(everyByte).Build(),
        WpDocument().Body(characters).Build(),
        WpDocument().Body(fixed + text).Build(),
        WpDocument().Body(formats + text).Build(),
        WpDocument().Body(structure).Build(),
        WpDocument().Body(table).Build(),
        WpDocument().Body(nested).Build(),
        WpDocument().Body(boxes).Build(),
        WpDocument()
            .Packet(257, std::string("wide1") + std::string(16, '\0') + Bytes({2}) + std::string(55, '\0') +
                             Bytes({1}) + Word(static_cast<int>(styleRuns.size())) + Word(0) + Word(4) + Word(0) +
                             Word(0) + styleRuns + "\x0A;{}")
            .Body(VariableWithByteAt(0xDB, 0, 13, 1, 20) + text)
            .Build(),
        WpDocument()
            .Packet(1, std::string(115, 'd') + "subject" + '\0' + "author" + '\0' + "typist" + '\0' + std::string(8, '\0'))
            .Packet(2, FontList())
            .Packet(7, std::string("Arial\0Times New Roman\0", 22))
            .Packet(3, Fixed(0xC3, {12}))
            .Packet(256, std::string("Heading") + std::string(81, '\0') + text)
            .Body(text)
            .Build(),
    };
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds FOLDER\n");
        return 2;
    }
    int n = 0;
    for (const std::string& seed : Seeds()) {
        std::ofstream(std::string(argv[1]) + "/seed-" + std::to_string(n++) + ".wp", std::ios::binary) << seed;
    }
    return 0;
}
