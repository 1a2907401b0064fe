#include "core/document_information.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace quorin {

namespace {

// Takes fields off the front of the summary packet.
class SummaryFields {
public:
    explicit SummaryFields(std::string_view data) : rest_(data) {}

    bool Empty() const { return rest_.empty(); }

    // A fixed-width field, as far as the data reaches: its text ends at the
    // first zero byte and loses its trailing white space.
    std::string_view Fixed(size_t width) {
        std::string_view field = rest_.substr(0, width);
        rest_.remove_prefix(field.size());
        field = field.substr(0, field.find('\0'));
        size_t last = field.find_last_not_of(" \t\r\n\v\f");
        return field.substr(0, last == std::string_view::npos ? 0 : last + 1);
    }

    // A field ended by a zero byte (or by the end of the data); the zero byte
    // goes with the field.
    std::string_view Terminated() {
        size_t end = rest_.find('\0');
        std::string_view field = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return field;
    }

    void Skip(size_t count) { rest_.remove_prefix(std::min(count, rest_.size())); }

    // What is left, with the offset-tested reads of a buffer.
    RtfBuffer Rest() const { return RtfBuffer(rest_); }

private:
    std::string_view rest_;
};

void AppendEscaped(std::string_view text, RtfBuffer& out) {
    for (char c : text) {
        if (c == '\\' || c == '{' || c == '}') out += '\\';
        out += c;
    }
}

void AppendGroup(std::string_view opening, std::string_view text, RtfBuffer& out) {
    out += opening;
    AppendEscaped(text, out);
    out += '}';
}

}  // namespace

void WriteDocumentInformation(const RtfBuffer& summaryPacket, RtfBuffer& piece) {
    SummaryFields fields(summaryPacket);
    fields.Fixed(26);  // creation date as text: not written
    std::string_view name = fields.Fixed(68);
    std::string_view type = fields.Fixed(21);

    static constexpr std::string_view kOpenings[] = {"{\\*\\subject ",  "{\\*\\author ",   "{\\*\\operator ",
                                                     "{\\*\\doccomm ", "{\\*\\category ", "{\\*\\keywords "};
    std::string_view texts[std::size(kOpenings)];
    for (auto& text : texts) {
        if (!fields.Empty()) text = fields.Terminated();
    }

    unsigned year = 0, month = 0, day = 0, hour = 0, minute = 0;
    fields.Skip(1);
    if (!fields.Empty()) {
        // Between one and four bytes cannot hold the time: the tested reads refuse them.
        RtfBuffer time = fields.Rest();
        year = time.At(0) | (time.At(1) << 8);
        month = time.At(2);
        day = time.At(3);
        hour = time.At(4);
        minute = time.At(5);
    }

    piece = "{\\info{\\*\\title ";
    AppendEscaped(name, piece);
    piece += '.';
    AppendEscaped(type, piece);
    piece += '}';
    for (size_t i = 0; i < std::size(kOpenings); ++i) AppendGroup(kOpenings[i], texts[i], piece);
    piece.AppendControl("{\\*\\creatim\\yr", year);
    piece.AppendControl("\\mo", month);
    piece.AppendControl("\\dy", day);
    piece.AppendControl("\\hr", hour);
    piece.AppendControl("\\min", minute);
    piece += "}}";
}

}  // namespace quorin
