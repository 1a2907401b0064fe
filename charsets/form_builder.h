#pragma once
// Compile-time construction of the character-set tables. The tables are
// written as form patterns and value lists ("{\uc2\uN\'hh\'hh}" with
// "-1232/e0/cc, -1231/e1/cc"), and every form is built, range-checked and
// counted while compiling: a slip in a list stops the build instead of
// writing a wrong letter.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace quorin::charsets {

// One character's RTF text, stored in place so the tables need no
// construction at run time.
struct CharacterForm {
    static constexpr size_t kCapacity = 39;
    std::array<char, kCapacity> text{};
    uint8_t length = 0;

    constexpr std::string_view View() const { return {text.data(), length}; }

    constexpr void Append(std::string_view part) {
        for (char c : part) {
            if (length == kCapacity) throw "character form too long";
            text[length++] = c;
        }
    }
};

inline constexpr size_t kMaxFields = 4;

// Values for the placeholders of a pattern, in pattern order.
struct Fields {
    std::array<int, kMaxFields> values{};
    size_t count = 0;

    constexpr void Add(int value) {
        if (count == kMaxFields) throw "too many fields";
        values[count++] = value;
    }
};

constexpr bool IsDecimalPlaceholder(std::string_view pattern, size_t i) { return pattern[i] == 'N'; }

constexpr bool IsBytePlaceholder(std::string_view pattern, size_t i) {
    if (pattern[i] != 'h') return false;
    if (i + 1 >= pattern.size() || pattern[i + 1] != 'h') throw "lone 'h' in a pattern";
    return true;
}

// Writes `pattern` with "N" replaced by a "\u" parameter (decimal, -32768 to
// 32767) and "hh" by a byte in two lower-case hexadecimal digits.
constexpr CharacterForm Format(std::string_view pattern, const Fields& fields) {
    CharacterForm form;
    size_t next = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        bool decimal = IsDecimalPlaceholder(pattern, i);
        bool byte = !decimal && IsBytePlaceholder(pattern, i);
        if (!decimal && !byte) {
            form.Append(pattern.substr(i, 1));
            continue;
        }
        if (next == fields.count) throw "fewer values than placeholders";
        int value = fields.values[next++];
        if (decimal) {
            if (value < -32768 || value > 32767) throw "Unicode parameter out of range";
            if (value < 0) form.Append("-");
            unsigned magnitude = value < 0 ? -value : value;
            char digits[5];
            size_t n = 0;
            do {
                digits[n++] = static_cast<char>('0' + magnitude % 10);
                magnitude /= 10;
            } while (magnitude != 0);
            while (n != 0) form.Append({&digits[--n], 1});
        } else {
            if (value < 0 || value > 0xff) throw "byte out of range";
            constexpr std::string_view kHex = "0123456789abcdef";
            form.Append(kHex.substr(value >> 4, 1));
            form.Append(kHex.substr(value & 0xf, 1));
            ++i;
        }
    }
    if (next != fields.count) throw "more values than placeholders";
    return form;
}

constexpr CharacterForm Format(std::string_view pattern, std::initializer_list<int> values) {
    Fields fields;
    for (int value : values) fields.Add(value);
    return Format(pattern, fields);
}

constexpr CharacterForm Literal(std::string_view text) {
    CharacterForm form;
    form.Append(text);
    return form;
}

// The table-driven form: the 16-bit value as a signed "\u" parameter, "_"
// for readers without Unicode.
constexpr CharacterForm TableDriven(uint16_t value) {
    return Format(R"(\uN\'5f)", {static_cast<int16_t>(value)});
}

constexpr int ParseNumber(std::string_view text, int base) {
    bool negative = !text.empty() && text[0] == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty()) throw "empty number";
    if (base == 16 && text.size() != 2) throw "a byte needs two hexadecimal digits";
    int value = 0;
    for (char c : text) {
        int digit = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                           : base;
        if (digit >= base) throw "bad digit";
        value = value * base + digit;
    }
    return negative ? -value : value;
}

constexpr std::string_view Trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// Splits "a, b, c" into its items; an empty text has no items.
class ListReader {
public:
    constexpr explicit ListReader(std::string_view text, char separator = ',')
        : rest_(text), separator_(separator), done_(Trim(text).empty()) {}

    constexpr bool Done() const { return done_; }

    constexpr std::string_view Next() {
        if (done_) throw "list too short";
        size_t end = rest_.find(separator_);
        std::string_view item = Trim(rest_.substr(0, end));
        if (item.empty()) throw "empty list item";
        if (end == std::string_view::npos) done_ = true;
        else rest_.remove_prefix(end + 1);
        return item;
    }

private:
    std::string_view rest_;
    char separator_;
    bool done_;
};

// Reads one list entry ("-1232/e0/cc") as the values of `pattern`'s
// placeholders: decimal for "N", hexadecimal for "hh".
constexpr Fields ParseEntry(std::string_view pattern, std::string_view entry) {
    Fields fields;
    ListReader parts(entry, '/');
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (IsDecimalPlaceholder(pattern, i)) {
            fields.Add(ParseNumber(parts.Next(), 10));
        } else if (IsBytePlaceholder(pattern, i)) {
            fields.Add(ParseNumber(parts.Next(), 16));
            ++i;
        }
    }
    if (!parts.Done()) throw "more values than placeholders";
    return fields;
}

// A set's table under construction. Every character number must be given
// exactly once before Finish() hands the forms out.
template <size_t Size>
class FormTable {
public:
    constexpr void Set(size_t number, const CharacterForm& form) {
        if (number >= Size) throw "character number beyond the table";
        if (given_[number]) throw "character number given twice";
        given_[number] = true;
        forms_[number] = form;
    }

    constexpr void Literal(size_t number, std::string_view text) { Set(number, charsets::Literal(text)); }

    // Numbers first, first + step, ... last take `pattern` filled with the
    // entries of `entries` in turn; the count must match.
    constexpr void Run(size_t first, size_t last, std::string_view pattern, std::string_view entries,
                       size_t step = 1) {
        ListReader list(entries);
        for (size_t number = first; number <= last; number += step) {
            Set(number, Format(pattern, ParseEntry(pattern, list.Next())));
        }
        if (!list.Done()) throw "more entries than numbers";
    }

    // Like Run, but each entry "capital/small" fills two numbers with a
    // one-placeholder pattern.
    constexpr void RunPairs(size_t first, size_t last, std::string_view pattern, std::string_view entries) {
        ListReader list(entries);
        for (size_t number = first; number <= last; number += 2) {
            ListReader pair(list.Next(), '/');
            Set(number, Format(pattern, ParseEntry(pattern, pair.Next())));
            Set(number + 1, Format(pattern, ParseEntry(pattern, pair.Next())));
            if (!pair.Done()) throw "a pair has more than two values";
        }
        if (!list.Done()) throw "more entries than numbers";
    }

    constexpr std::array<CharacterForm, Size> Finish() const {
        for (bool given : given_) {
            if (!given) throw "character number left out";
        }
        return forms_;
    }

private:
    std::array<CharacterForm, Size> forms_{};
    std::array<bool, Size> given_{};
};

// The forms of a table-driven set.
template <size_t Size>
constexpr std::array<CharacterForm, Size> TableDrivenForms(std::span<const uint16_t, Size> values) {
    std::array<CharacterForm, Size> forms{};
    for (size_t i = 0; i < Size; ++i) forms[i] = TableDriven(values[i]);
    return forms;
}
template <size_t Size>
constexpr std::array<CharacterForm, Size> TableDrivenForms(const uint16_t (&values)[Size]) {
    return TableDrivenForms(std::span<const uint16_t, Size>(values));
}
template <size_t Size>
constexpr std::array<CharacterForm, Size> TableDrivenForms(const std::array<uint16_t, Size>& values) {
    return TableDrivenForms(std::span<const uint16_t, Size>(values));
}

}  // namespace quorin::charsets
