#include "app/display_path.h"

namespace quorin {

namespace {

constexpr std::string_view kLeftToRightIsolate = "\u2066";
constexpr std::string_view kPopDirectionalIsolate = "\u2069";
constexpr std::string_view kLeftToRightMark = "\u200E";

// Code points whose letters are written right to left: the blocks of the
// right-to-left scripts and their presentation forms, and the RLM.
bool IsRightToLeft(char32_t c) {
    return (c >= 0x0590 && c <= 0x08FF) || c == 0x200F || (c >= 0xFB1D && c <= 0xFDFF) ||
           (c >= 0xFE70 && c <= 0xFEFF) || (c >= 0x10800 && c <= 0x10FFF) || (c >= 0x1E800 && c <= 0x1EFFF);
}

}  // namespace

bool HasRightToLeft(std::string_view utf8) {
    for (size_t at = 0; at < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[at]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length <= 1 || at + length > utf8.size()) {
            ++at;
            continue;
        }
        char32_t c = lead & (0xFF >> (length + 1));
        bool valid = true;
        for (int i = 1; i < length && valid; ++i) {
            const unsigned char next = static_cast<unsigned char>(utf8[at + i]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (valid && IsRightToLeft(c)) return true;
        at += valid ? length : 1;
    }
    return false;
}

std::string DisplayPath(const std::string& path) {
    if (!HasRightToLeft(path)) return path;
    std::string shown(kLeftToRightIsolate);
    for (char c : path) {
        shown += c;
        if (c == '/') shown += kLeftToRightMark;
    }
    shown += kPopDirectionalIsolate;
    return shown;
}

std::string WithoutDisplayMarks(std::string_view shown) {
    std::string text;
    for (size_t at = 0; at < shown.size();) {
        std::string_view rest = shown.substr(at);
        if (rest.starts_with(kLeftToRightIsolate) || rest.starts_with(kPopDirectionalIsolate)) {
            at += kLeftToRightIsolate.size();
        } else if (rest.starts_with(kLeftToRightMark) && text.ends_with('/')) {
            at += kLeftToRightMark.size();
        } else {
            text += shown[at++];
        }
    }
    return text;
}

}  // namespace quorin
