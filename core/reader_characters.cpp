// Plain text and the extended characters of WordPerfect's character sets.
#include "core/character_sets.h"
#include "core/document_reader.h"

namespace quorin {

namespace {

// How each set 1 to 14 is written: the script selected before its characters,
// whether its characters count as text for paragraph and section ends, and
// what a number beyond its table gives.
struct SetRules {
    int script;
    bool setsTextMarks;
    bool placeholderBeyond;
};
constexpr SetRules kSetRules[15] = {
    {0, true, false},  // 0: not used here
    {1, false, true},  // 1 multinational
    {0, true, true},   // 2 diacritics
    {1, true, true},   // 3 box drawing
    {0, true, false},  // 4 typographic symbols
    {0, true, false},  // 5 iconic symbols
    {0, true, true},   // 6 not mapped
    {0, true, true},   // 7 not mapped
    {0, true, true},   // 8 not mapped
    {2, true, true},   // 9 Hebrew
    {4, true, true},   // 10 Cyrillic
    {0, true, true},   // 11 not mapped
    {0, true, true},   // 12 not mapped
    {3, true, true},   // 13 Arabic
    {3, true, false},  // 14 Arabic script
};

constexpr char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

void DocumentReader::WritePlainCharacter(uint8_t c, RtfBuffer& out) {
    if (options.reverseParentheses != 0 && rightToLeft) {
        switch (c) {
            case '(': c = ')'; break;
            case ')': c = '('; break;
            case '[': c = ']'; break;
            case ']': c = '['; break;
            case '{': c = '}'; break;
            case '}': c = '{'; break;
            default: break;
        }
    }
    SetTextMarks();
    // Escapes the quote inside a field instruction. Reversed text is one field
    // level deeper only for its paragraph ends, and keeps escape and quote
    // together as one unit.
    if (c == '"' && fieldDepth > reversedTextDepth) {
        out += reversedTextDepth > 0 ? "{\\'5c\\'22}" : "\\'5c\\'22";
        return;
    }
    if (c >= 0x20 && c <= 0x7F) {
        const char escape[4] = {'\\', '\'', kHexDigits[c >> 4], kHexDigits[c & 0x0F]};
        out.append(escape, 4);
    }
}

void DocumentReader::WriteSetCharacter(uint8_t set, uint8_t c, RtfBuffer& out) {
    const SetRules& rules = kSetRules[set];
    if (rules.setsTextMarks) SetTextMarks();
    if (rules.script != 0) SetScript(rules.script, out);
    const size_t start = out.size();
    if (!AppendCharacterForm(set, c, out) && rules.placeholderBeyond) out += WriteUnknownSetCharacter(set, c);
    KeepCharacterAsOneUnit(out, start);
}

// A Unicode escape reversed apart from its fallback byte would skip the
// character after it, and a point apart from its letter would mark another
// letter; a form of several units is kept together in a group.
void DocumentReader::KeepCharacterAsOneUnit(RtfBuffer& out, size_t start) const {
    if (reversedTextDepth == 0) return;
    const std::string_view form = std::string_view(out).substr(start);
    const bool oneUnit = form.empty() ? true
                         : form.front() == '{' ? form.find('}') == form.size() - 1
                                               : form.find_first_of("\\{}", 1) == std::string_view::npos;
    if (oneUnit) return;
    out.insert(start, 1, '{');
    out += '}';
}

void DocumentReader::WriteSetCharacter1(uint8_t c, RtfBuffer& out) { WriteSetCharacter(1, c, out); }
void DocumentReader::WriteSetCharacter2(uint8_t c, RtfBuffer& out) { WriteSetCharacter(2, c, out); }
void DocumentReader::WriteSetCharacter3(uint8_t c, RtfBuffer& out) { WriteSetCharacter(3, c, out); }
void DocumentReader::WriteSetCharacter4(uint8_t c, RtfBuffer& out) { WriteSetCharacter(4, c, out); }
void DocumentReader::WriteSetCharacter5(uint8_t c, RtfBuffer& out) { WriteSetCharacter(5, c, out); }
void DocumentReader::WriteSetCharacter6(uint8_t c, RtfBuffer& out) { WriteSetCharacter(6, c, out); }
void DocumentReader::WriteSetCharacter7(uint8_t c, RtfBuffer& out) { WriteSetCharacter(7, c, out); }
void DocumentReader::WriteSetCharacter8(uint8_t c, RtfBuffer& out) { WriteSetCharacter(8, c, out); }
void DocumentReader::WriteSetCharacter9(uint8_t c, RtfBuffer& out) { WriteSetCharacter(9, c, out); }
void DocumentReader::WriteSetCharacter10(uint8_t c, RtfBuffer& out) { WriteSetCharacter(10, c, out); }
void DocumentReader::WriteSetCharacter11(uint8_t c, RtfBuffer& out) { WriteSetCharacter(11, c, out); }
void DocumentReader::WriteSetCharacter12(uint8_t c, RtfBuffer& out) { WriteSetCharacter(12, c, out); }
void DocumentReader::WriteSetCharacter13(uint8_t c, RtfBuffer& out) { WriteSetCharacter(13, c, out); }
void DocumentReader::WriteSetCharacter14(uint8_t c, RtfBuffer& out) { WriteSetCharacter(14, c, out); }

RtfBuffer DocumentReader::WriteUnknownSetCharacter(uint8_t set, uint8_t c) {
    RtfBuffer text("\\'3C\\'3C");
    text.AppendDecimal(set);
    text += ',';
    text.AppendDecimal(c);
    text += "\\'3E\\'3E";
    return text;
}

void DocumentReader::WriteExtendedCharacter(uint8_t set, uint8_t c, RtfBuffer& out) {
    using Operation = void (DocumentReader::*)(uint8_t, RtfBuffer&);
    static constexpr Operation kSetOperations[15] = {
        &DocumentReader::WritePlainCharacter, &DocumentReader::WriteSetCharacter1,
        &DocumentReader::WriteSetCharacter2,  &DocumentReader::WriteSetCharacter3,
        &DocumentReader::WriteSetCharacter4,  &DocumentReader::WriteSetCharacter5,
        &DocumentReader::WriteSetCharacter6,  &DocumentReader::WriteSetCharacter7,
        &DocumentReader::WriteSetCharacter8,  &DocumentReader::WriteSetCharacter9,
        &DocumentReader::WriteSetCharacter10, &DocumentReader::WriteSetCharacter11,
        &DocumentReader::WriteSetCharacter12, &DocumentReader::WriteSetCharacter13,
        &DocumentReader::WriteSetCharacter14,
    };
    if (set < 15) {
        (this->*kSetOperations[set])(c, out);
    } else {
        const size_t start = out.size();
        out += WriteUnknownSetCharacter(set, c);
        KeepCharacterAsOneUnit(out, start);
    }
}

}  // namespace quorin
