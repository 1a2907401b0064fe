#include "core/font_table.h"

#include <string>

namespace quorin {

namespace {

constexpr size_t kRecordSize = 86;
constexpr size_t kNameOffsetField = 18;
constexpr uint16_t kUnusedRecord = 0xFFFF;

// The name at `offset` up to its zero byte; a name without one ends with the
// pool, and an offset outside the pool gives an empty name.
std::string NameAt(const RtfBuffer& pool, size_t offset) {
    if (offset >= pool.size()) return {};
    size_t end = pool.find('\0', offset);
    return pool.substr(offset, end == std::string::npos ? std::string::npos : end - offset);
}

// A list entry such as "Arial (Western)" names the face "Arial": readers of
// the table would otherwise look for a face called "Arial (Western)".
std::string_view FaceOf(std::string_view entry) {
    for (std::string_view script : kFontScriptNames) {
        size_t suffix = script.size() + 3;  // " (" script ")"
        if (entry.size() >= suffix && entry.ends_with(')') &&
            entry.substr(entry.size() - suffix, 2) == " (" &&
            entry.substr(entry.size() - suffix + 2, script.size()) == script) {
            return entry.substr(0, entry.size() - suffix);
        }
    }
    return entry;
}

void AppendFont(RtfBuffer& piece, size_t number, std::string_view controls, std::string_view entry) {
    std::string_view face = FaceOf(entry);
    if (face.empty()) return;
    piece += "{\\f";
    piece.AppendDecimal(static_cast<long long>(number));
    piece += controls;
    for (char c : face) {
        if (c == '\\' || c == '{' || c == '}') piece += '\\';
        piece += c;
    }
    piece += '}';
}

}  // namespace

void WriteFontTable(RtfBuffer& fontList, RtfBuffer& namePool, RtfBuffer& piece,
                    const ConversionOptions& options, FontResolver* fonts) {
    piece = "{\\fonttbl";
    size_t records = fontList.size() / kRecordSize;
    for (size_t i = 0; i < records; ++i) {
        size_t record = i * kRecordSize;
        // Unused records keep their numbers; the records after them are still read.
        if (fontList.WordOr0(record) == kUnusedRecord) continue;
        std::string name = NameAt(namePool, fontList.WordOr0(record + kNameOffsetField));
        FontSubstitutes faces = fonts ? fonts->LookupSubstitutes(name) : FontSubstitutes{name, name, name};
        if (options.CancelRequested()) break;
        AppendFont(piece, i, "\\froman\\fcharset0\\cpg1252 ", faces.english);
        AppendFont(piece, 1000 + i, "\\fbidi\\fcharset177\\cpg1255 ", faces.hebrew);
        AppendFont(piece, 2000 + i, "\\fbidi\\fcharset178\\cpg1256 ", faces.arabic);
        piece += '\n';
    }
    piece += "}\n";
    fontList.clear();
    namePool.clear();
}

}  // namespace quorin
