// Character attributes, fonts, sizes, scripts, languages and style references.
#include "core/document_reader.h"

namespace quorin {

namespace {

// The size in percent that attribute codes 0 to 4 switch on.
constexpr int kSizeAttributePercent[5] = {200, 150, 120, 80, 50};

// What attribute codes 5 to 15 write when switched on and off.
constexpr const char* kAttributeOn[16] = {nullptr, nullptr, nullptr, nullptr, nullptr,
                                          "\\super", "\\sub", "\\outl", "\\i", "\\shad", "",
                                          "\\uldb", "\\b", "\\strike", "\\ul", "\\scaps"};
constexpr const char* kAttributeOff[16] = {nullptr, nullptr, nullptr, nullptr, nullptr,
                                           "\\nosupersub", "\\nosupersub", "\\outl0", "\\i0", "\\shad0", "",
                                           "\\ul0", "\\b0", "\\strike0", "\\ul0", "\\scaps0"};

struct ScriptText {
    const char* controlWords;
    int fontOffset;
};
// Indexed by script: none, English, Hebrew, Arabic, Russian.
constexpr ScriptText kScripts[5] = {{"", 0},
                                    {"\\lang1033\\ansicpg1252", 0},
                                    {"\\lang1037\\ansicpg1255", 1000},
                                    {"\\lang1025\\ansicpg1256", 2000},
                                    {"\\lang1049\\ansicpg1251", 0}};

bool IsKnownScript(int script) { return script >= 1 && script <= 4; }

}  // namespace

int16_t DocumentReader::FontSizeHalfPoints() {
    const double halfPoints = (sizePercent * static_cast<double>(fontSizePoints) * 2 + 50) / 100;
    return static_cast<int16_t>(static_cast<long long>(halfPoints));
}

void DocumentReader::WriteFontSize(RtfBuffer& out) {
    out.AppendControl("\\fs", FontSizeHalfPoints());
}

void DocumentReader::WriteFont(int fontNumber, RtfBuffer& out) {
    baseFont = fontNumber % 1000;
    out.AppendControl("\\f", fontNumber + (IsKnownScript(script) ? kScripts[script].fontOffset : 0));
}

void DocumentReader::SetScript(int newScript, RtfBuffer& out) {
    if (newScript == script) return;
    script = newScript;
    if (IsKnownScript(newScript)) out += kScripts[newScript].controlWords;
    WriteFont(baseFont, out);
    WriteFontSize(out);
}

void DocumentReader::OnAttributeOn(const RtfBuffer& code, RtfBuffer& out) {
    out.clear();
    const uint8_t attribute = code.At(1);
    if (attribute < 5) {
        // Size attributes do not nest: a second one while one is in force is ignored.
        if (sizePercent != 100) return;
        sizePercent = kSizeAttributePercent[attribute];
        WriteFontSize(out);
    } else if (attribute < 16) {
        out += kAttributeOn[attribute];
    }
}

void DocumentReader::OnAttributeOff(const RtfBuffer& code, RtfBuffer& out) {
    out.clear();
    const uint8_t attribute = code.At(1);
    if (attribute < 5) {
        if (sizePercent == kSizeAttributePercent[attribute]) sizePercent = 100;
        WriteFontSize(out);
    } else if (attribute < 16) {
        out += kAttributeOff[attribute];
    }
}

void DocumentReader::OnFontGroup(const RtfBuffer& code, RtfBuffer& out) {
    if (code.At(1) != 1) return;
    const uint8_t font = code.At(29);
    // The size word, in fiftieths of a point, sits elsewhere in the short form.
    const uint16_t sizeWord = code.WordOr0(code.size() == 39 ? 32 : 5);
    WriteFont(font, out);
    fontSizePoints = static_cast<float>(sizeWord * 0.02);
    WriteFontSize(out);
}

void DocumentReader::OnStyle(const RtfBuffer& code, RtfBuffer& out) {
    int number;
    uint8_t kind = 127;
    switch (code.At(1)) {
        case 0:
            number = code.SignedAt(13);
            kind = code.At(16);
            break;
        case 1:
            number = code.SignedAt(19) + 256;
            kind = code.At(22);
            break;
        case 2:
            number = code.SignedAt(4);
            break;
        default:
            return;
    }
    out += kind == 127 ? "\\s" : "\\cs";
    out.AppendDecimal(number);
}

void DocumentReader::OnSetting(const RtfBuffer& code, RtfBuffer& out) {
    switch (code.At(1)) {
        case 5: {  // line numbering
            const uint8_t flags = code.At(9);
            const int16_t start = code.SignedWordOr0(12);
            BreakSection(out);
            if (!(flags & 0x80)) {
                out += "\\linemod0";
                return;
            }
            out.AppendControl("\\linemod", flags & 0x0F);
            out.AppendControl("\\linex0\\linestarts", start);
            if (flags & 0x20) out += "\\lineppage";
            out += "\\linerestart";
            return;
        }
        case 17: {  // language: only the first letter tells Arabic apart
            const uint8_t first = code.At(6);
            if (first == 'H' && code.At(7) == 'E') SetScript(2, out);
            else if (first == 'A') SetScript(3, out);
            else SetScript(1, out);
            return;
        }
        case 19:
            OnTextDirection(code, out);
            return;
        default:
            return;
    }
}

}  // namespace quorin
