#include "core/reversed_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>
#include <vector>

namespace quorin {

namespace {

// Control words that stand for a character rather than change formatting.
constexpr std::array<std::string_view, 12> kCharacterWords = {
    "tab", "line", "page", "par", "sect", "cell", "row", "chpgn", "chftn", "rtlmark", "ltrmark", "u"};

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

struct Token {
    std::string_view text;
    std::string_view word;  // the control word's letters; empty for a character
};

// Reads the unit at `at` and moves past it; line ends between units carry nothing.
Token NextToken(std::string_view rtf, size_t& at) {
    const size_t start = at;
    if (rtf[at] == '{') {
        long depth = 0;
        for (; at < rtf.size(); ++at) {
            if (rtf[at] == '\\') ++at;
            else if (rtf[at] == '{') ++depth;
            else if (rtf[at] == '}' && --depth == 0) break;
        }
        at = std::min(at + 1, rtf.size());
        return {rtf.substr(start, at - start), {}};
    }
    if (rtf[at] != '\\' || at + 1 >= rtf.size()) {
        ++at;
        return {rtf.substr(start, 1), {}};
    }
    if (rtf[at + 1] == '\'') {
        at = std::min(at + 4, rtf.size());
        return {rtf.substr(start, at - start), {}};
    }
    if (!IsLetter(rtf[at + 1])) {  // a control symbol: a hard space or hyphen
        at += 2;
        return {rtf.substr(start, 2), {}};
    }
    ++at;
    while (at < rtf.size() && IsLetter(rtf[at])) ++at;
    const std::string_view word = rtf.substr(start + 1, at - start - 1);
    if (at < rtf.size() && rtf[at] == '-') ++at;
    while (at < rtf.size() && IsDigit(rtf[at])) ++at;
    if (at < rtf.size() && rtf[at] == ' ') ++at;
    const std::string_view text = rtf.substr(start, at - start);
    const bool character = std::find(kCharacterWords.begin(), kCharacterWords.end(), word) != kCharacterWords.end();
    return {text, character ? std::string_view() : word};
}

// Formatting in force: the last occurrence of each control word, in the order
// they last occurred, which has the same effect as the whole sequence. The
// reader writes a few dozen different words, so this stays small.
class Formatting {
public:
    void Apply(const Token& token) {
        auto same = std::find_if(words_.begin(), words_.end(), [&](const Token& t) { return t.word == token.word; });
        if (same != words_.end()) words_.erase(same);
        words_.push_back(token);
    }
    std::string Text() const {
        std::string text;
        for (const Token& t : words_) text += t.text;
        return text;
    }

private:
    std::vector<Token> words_;
};

// Appends pieces, putting a space between a control word and a plain
// character that would otherwise read as part of it.
class Writer {
public:
    explicit Writer(size_t reserve) { text_.reserve(reserve); }
    void Add(std::string_view piece) {
        if (piece.empty()) return;
        const char first = piece.front();
        if (endsWithWord_ && first != '\\' && first != '{' && first != '}') text_ += ' ';
        text_ += piece;
        size_t at = text_.size();
        while (at > 0 && IsDigit(text_[at - 1])) --at;
        if (at > 0 && text_[at - 1] == '-') --at;
        const size_t letters = at;
        while (at > 0 && IsLetter(text_[at - 1])) --at;
        endsWithWord_ = at < letters && at > 0 && text_[at - 1] == '\\' && (at < 2 || text_[at - 2] != '\\');
    }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
    bool endsWithWord_ = false;
};

}  // namespace

std::string ReverseCharacters(std::string_view rtf) {
    struct Run {
        std::string formatting;
        size_t first, end;  // its characters in `characters`
    };
    std::vector<std::string_view> characters;
    std::vector<Run> runs{{std::string(), 0, 0}};
    Formatting formatting;
    bool changed = false;
    for (size_t at = 0; at < rtf.size();) {
        if (rtf[at] == '\r' || rtf[at] == '\n') {
            ++at;
            continue;
        }
        const Token token = NextToken(rtf, at);
        if (!token.word.empty()) {
            formatting.Apply(token);
            changed = true;
            continue;
        }
        if (changed) {
            runs.push_back({formatting.Text(), characters.size(), characters.size()});
            changed = false;
        }
        characters.push_back(token.text);
        runs.back().end = characters.size();
    }

    Writer out(rtf.size() + rtf.size() / 4);
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        if (run->first == run->end) continue;
        const bool grouped = !run->formatting.empty();
        if (grouped) {
            out.Add("{");
            out.Add(run->formatting);
        }
        for (size_t i = run->end; i > run->first; --i) out.Add(characters[i - 1]);
        if (grouped) out.Add("}");
    }
    return out.Take();
}

}  // namespace quorin
