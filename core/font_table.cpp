#include "core/font_table.h"

#include <algorithm>
#include <map>

#include <string>

namespace quorin {

namespace {

constexpr size_t kRecordSize = 86;
constexpr size_t kNameOffsetField = 18;
constexpr uint16_t kUnusedRecord = 0xFFFF;

constexpr size_t kLongestName = 255;
// Record i is font i and its Hebrew and Arabic faces are 1000 + i and
// 2000 + i, so only the first 1000 records can be numbered without clashes.
constexpr size_t kMostRecords = 1000;

// The name at `offset` up to its zero byte; a name without one ends with the
// pool (or after the longest name), and an offset outside the pool gives an
// empty name.
std::string NameAt(const RtfBuffer& pool, size_t offset) {
    if (offset >= pool.size()) return {};
    // No font name is longer than this; a pool without zero bytes must not make
    // every record copy (and search) the rest of the pool.
    const std::string_view rest = std::string_view(pool).substr(offset, kLongestName);
    return std::string(rest.substr(0, rest.find('\0')));
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
    piece.AppendControl("{\\f", static_cast<long long>(number));
    piece += controls;
    for (char c : face) {
        if (c == '\\' || c == '{' || c == '}') piece += '\\';
        piece += c;
    }
    // The semicolon ends the name; readers that miss it show the name as text.
    piece += ";}";
}

}  // namespace

void WriteFontTable(RtfBuffer& fontList, RtfBuffer& namePool, RtfBuffer& piece, const CancelRequest& cancel,
                    FontResolver* fonts) {
    piece = "{\\fonttbl";
    const size_t records = std::min(fontList.size() / kRecordSize, kMostRecords);
    std::map<std::string, FontSubstitutes> answers;  // each name is asked for once
    for (size_t i = 0; i < records; ++i) {
        size_t record = i * kRecordSize;
        // Unused records keep their numbers; the records after them are still read.
        if (fontList.WordOr0(record) == kUnusedRecord) continue;
        std::string name = NameAt(namePool, fontList.WordOr0(record + kNameOffsetField));
        auto known = answers.find(name);
        if (known == answers.end()) {
            FontSubstitutes faces = fonts ? fonts->LookupSubstitutes(name) : FontSubstitutes{name, name, name};
            if (cancel.Requested()) break;
            known = answers.emplace(name, std::move(faces)).first;
        }
        const FontSubstitutes& faces = known->second;
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
