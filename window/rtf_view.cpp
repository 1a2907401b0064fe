#include "window/rtf_view.h"

#include <QColor>
#include <QPalette>
#include <QString>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <cctype>
#include <cmath>
#include <map>
#include <vector>

namespace quorin {

namespace {

enum class Destination { kText, kSkip, kFontTable, kColourTable };

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int colour = 0;  // 0: the default text colour
    int font = 0;
    int halfPoints = 24;
};

struct ParagraphState {
    Qt::Alignment alignment = Qt::AlignLeft;
    Qt::LayoutDirection direction = Qt::LayoutDirectionAuto;  // \ltrpar, \rtlpar
    int leftTwips = 0;
    int rightTwips = 0;
    int lineSpacing = 0;  // \sl: 0 single, > 0 at least, in twips or in 240ths of a line with \slmult1
    bool multiple = false;
};

struct GroupState {
    CharState chars;
    ParagraphState paragraph;
    Destination destination = Destination::kText;
    int unicodeSkip = 1;
};

// Twips to the document's pixels at 96 per inch.
qreal Pixels(int twips) { return twips / 15.0; }

// Below this contrast with the background, text counts as hard to read.
constexpr double kReadableContrast = 4.5;

class RtfRenderer {
public:
    RtfRenderer(QTextDocument& document, const QPalette* palette) : cursor_(&document), palette_(palette) {}

    void Run(std::string_view rtf) {
        rtf_ = rtf;
        while (at_ < rtf_.size()) {
            char c = rtf_[at_++];
            if (c == '{') {
                groups_.push_back(state_);
            } else if (c == '}') {
                EndGroup();
            } else if (c == '\\') {
                ReadControl();
            } else if (c != '\r' && c != '\n') {
                Text(QChar(static_cast<uchar>(c)));
            }
        }
        EndDocument();
    }

private:
    void EndGroup() {
        if (groups_.empty()) return;  // an unbalanced "}" is passed over
        state_ = groups_.back();
        groups_.pop_back();
    }

    void ReadControl() {
        if (at_ >= rtf_.size()) return;
        char c = rtf_[at_];
        if (!std::isalpha(static_cast<uchar>(c))) {
            ++at_;
            ControlSymbol(c);
            return;
        }
        size_t start = at_;
        while (at_ < rtf_.size() && std::isalpha(static_cast<uchar>(rtf_[at_]))) ++at_;
        std::string_view word = rtf_.substr(start, at_ - start);
        bool hasNumber = false;
        bool negative = at_ < rtf_.size() && rtf_[at_] == '-';
        if (negative) ++at_;
        long number = 0;
        while (at_ < rtf_.size() && std::isdigit(static_cast<uchar>(rtf_[at_]))) {
            if (number < 1000000) number = number * 10 + (rtf_[at_] - '0');
            hasNumber = true;
            ++at_;
        }
        if (at_ < rtf_.size() && rtf_[at_] == ' ') ++at_;
        ControlWord(word, static_cast<int>(negative ? -number : number), hasNumber);
    }

    void ControlSymbol(char c) {
        switch (c) {
            case '\'': {
                bool ok = false;
                int value = QString::fromLatin1(rtf_.substr(at_, 2).data(), int(std::min<size_t>(2, rtf_.size() - at_)))
                                .toInt(&ok, 16);
                at_ = std::min(at_ + 2, rtf_.size());
                if (ok) Text(QChar(value));
                break;
            }
            case '\\': case '{': case '}': Text(QChar(c)); break;
            case '~': Text(QChar(0x00A0)); break;
            case '_': Text(QChar(0x2011)); break;
            case '*': state_.destination = Destination::kSkip; break;
            case '\n': case '\r': Paragraph(); break;
            default: break;  // \- and the rest show nothing
        }
    }

    void ControlWord(std::string_view word, int n, bool hasNumber) {
        static const std::vector<std::string_view> skipped = {
            "stylesheet", "info", "pict", "header", "footer", "footnote", "object", "fldinst", "listtable",
            "listoverridetable", "generator", "themedata", "latentstyles"};
        Destination& destination = state_.destination;
        if (word == "fonttbl") { destination = Destination::kFontTable; return; }
        if (word == "colortbl") { destination = Destination::kColourTable; return; }
        for (std::string_view name : skipped) {
            if (word == name) { destination = Destination::kSkip; return; }
        }
        if (destination == Destination::kSkip) return;
        if (destination == Destination::kFontTable) {
            if (word == "f") tableFont_ = n;
            return;
        }
        if (destination == Destination::kColourTable) {
            if (word == "red") red_ = n;
            else if (word == "green") green_ = n;
            else if (word == "blue") blue_ = n;
            return;
        }
        CharState& chars = state_.chars;
        ParagraphState& paragraph = state_.paragraph;
        bool on = !hasNumber || n != 0;
        if (word == "b") chars.bold = on;
        else if (word == "i") chars.italic = on;
        else if (word == "ul") chars.underline = on;
        else if (word == "ulnone") chars.underline = false;
        else if (word == "cf") chars.colour = n;
        else if (word == "f") chars.font = n;
        else if (word == "fs") chars.halfPoints = n > 0 ? n : 24;
        else if (word == "plain") chars = CharState{};
        else if (word == "pard") paragraph = ParagraphState{};
        else if (word == "par") Paragraph();
        else if (word == "line") Text(QChar::LineSeparator);
        else if (word == "tab") Text(u'\t');
        else if (word == "ltrpar") paragraph.direction = Qt::LeftToRight;
        else if (word == "rtlpar") paragraph.direction = Qt::RightToLeft;
        else if (word == "ql") paragraph.alignment = Qt::AlignLeft;
        else if (word == "qr") paragraph.alignment = Qt::AlignRight;
        else if (word == "qc") paragraph.alignment = Qt::AlignHCenter;
        else if (word == "qj") paragraph.alignment = Qt::AlignJustify;
        else if (word == "li") paragraph.leftTwips = n;
        else if (word == "ri") paragraph.rightTwips = n;
        else if (word == "sl") paragraph.lineSpacing = n;
        else if (word == "slmult") paragraph.multiple = n == 1;
        else if (word == "uc") state_.unicodeSkip = std::max(0, n);
        else if (word == "u") UnicodeCharacter(n);
    }

    // \uN stands for one character and is followed by its fallback for
    // readers without Unicode: characters (or escapes) that are skipped.
    void UnicodeCharacter(int n) {
        Text(QChar(static_cast<char16_t>(n < 0 ? n + 65536 : n)));
        for (int i = 0; i < state_.unicodeSkip && at_ < rtf_.size(); ++i) {
            char c = rtf_[at_];
            if (c == '{' || c == '}') break;
            if (c == '\\' && at_ + 1 < rtf_.size() && rtf_[at_ + 1] == '\'') at_ += 4;
            else if (c == '\\') break;
            else ++at_;
        }
        at_ = std::min(at_, rtf_.size());
    }

    void Text(QChar c) {
        switch (state_.destination) {
            case Destination::kSkip: return;
            case Destination::kFontTable:
                if (c == u';') {
                    fonts_[tableFont_] = fontName_.trimmed();
                    fontName_.clear();
                } else {
                    fontName_ += c;
                }
                return;
            case Destination::kColourTable:
                if (c == u';') {
                    colours_.push_back(red_ < 0 ? QColor() : QColor(red_, green_, blue_));
                    red_ = green_ = blue_ = -1;
                }
                return;
            case Destination::kText:
                cursor_.insertText(QString(c), CharFormat());
                return;
        }
    }

    QTextCharFormat CharFormat() const {
        const CharState& chars = state_.chars;
        QTextCharFormat format;
        format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(chars.italic);
        format.setFontUnderline(chars.underline);
        format.setFontPointSize(chars.halfPoints / 2.0);
        auto font = fonts_.find(chars.font);
        if (font != fonts_.end() && !font->second.isEmpty()) format.setFontFamilies({font->second});
        if (chars.colour > 0 && chars.colour < static_cast<int>(colours_.size()) && colours_[chars.colour].isValid())
            format.setForeground(Readable(colours_[chars.colour], chars.underline));
        return format;
    }

    QColor Readable(const QColor& colour, bool underlined) const {
        if (!palette_ || ContrastRatio(colour, palette_->color(QPalette::Base)) >= kReadableContrast) return colour;
        return palette_->color(underlined ? QPalette::Link : QPalette::Text);
    }

    QTextBlockFormat BlockFormat() const {
        const ParagraphState& paragraph = state_.paragraph;
        QTextBlockFormat format;
        format.setAlignment(paragraph.alignment);
        format.setLayoutDirection(paragraph.direction);
        format.setLeftMargin(Pixels(paragraph.leftTwips));
        format.setRightMargin(Pixels(paragraph.rightTwips));
        if (paragraph.lineSpacing > 0 && paragraph.multiple)
            format.setLineHeight(paragraph.lineSpacing * 100.0 / 240, QTextBlockFormat::ProportionalHeight);
        else if (paragraph.lineSpacing > 0)
            format.setLineHeight(Pixels(paragraph.lineSpacing), QTextBlockFormat::MinimumHeight);
        return format;
    }

    // The properties in force at the end of a paragraph are the paragraph's.
    void FinishBlock() {
        cursor_.setBlockFormat(BlockFormat());
        if (cursor_.block().length() <= 1) cursor_.setBlockCharFormat(CharFormat());  // the height of an empty line
    }

    void Paragraph() {
        if (state_.destination != Destination::kText) return;
        FinishBlock();
        cursor_.insertBlock();
        paragraphsEnded_ = true;
    }

    // The last "\par" ends the last paragraph; it opens no empty one after it.
    void EndDocument() {
        if (paragraphsEnded_ && cursor_.block().length() <= 1) {
            cursor_.deletePreviousChar();
        } else {
            FinishBlock();
        }
    }

    QTextCursor cursor_;
    const QPalette* palette_;
    std::string_view rtf_;
    size_t at_ = 0;
    GroupState state_;
    std::vector<GroupState> groups_;
    std::map<int, QString> fonts_;
    int tableFont_ = 0;
    QString fontName_;
    std::vector<QColor> colours_;
    int red_ = -1, green_ = -1, blue_ = -1;
    bool paragraphsEnded_ = false;
};

}  // namespace

void RenderRtf(std::string_view rtf, QTextDocument& document, const QPalette* palette) {
    document.clear();
    RtfRenderer(document, palette).Run(rtf);
}

double ContrastRatio(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& colour) {
        auto linear = [](double channel) {
            return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

std::string RtfUnicode(const QString& text, bool asText) {
    std::string rtf;
    for (QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit >= 0x80) {
            // RTF writes \uN as a signed 16-bit number, with "?" for readers without Unicode.
            rtf += "\\u" + std::to_string(static_cast<int16_t>(unit)) + "?";
            continue;
        }
        if (asText && (unit == u'\\' || unit == u'{' || unit == u'}')) rtf += '\\';
        rtf += static_cast<char>(unit);
    }
    return rtf;
}

}  // namespace quorin
