#include <gtest/gtest.h>

#include <algorithm>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "window/rtf_view.h"
#include "window/tutorial_pages.h"

namespace quorin {
namespace {

// The character format at the first occurrence of `text`.
QTextCharFormat FormatOf(QTextDocument& document, const QString& text, int from = 0) {
    QTextCursor found = document.find(text, from, QTextDocument::FindCaseSensitively);
    EXPECT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor at(&document);
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

TEST(RtfView, ShowsTextWithItsFormatting) {
    QTextDocument document;
    RenderRtf("{\\rtf1{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1 Mono;}}{\\colortbl ;\\red0\\green0\\blue255;}"
              "\\pard\\qc\\fs28 {\\b bold\\b0  plain}\\par\\qj\\fs20 a {\\ul\\cf1 link} {\\f1 mono} \\'e9\\u1488?x "
              "\\{\\\\i\\} {\\*\\unknown hidden}{\\info{\\title hidden}}end\\par}",
              document);
    EXPECT_EQ(document.toPlainText(), QString::fromUtf8("bold plain\na link mono \xc3\xa9\xd7\x90x {\\i} end"));
    EXPECT_EQ(document.blockCount(), 2);
    EXPECT_EQ(document.firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(document.lastBlock().blockFormat().alignment(), Qt::AlignJustify);

    QTextCharFormat bold = FormatOf(document, "bold");
    EXPECT_EQ(bold.fontWeight(), QFont::Bold);
    EXPECT_EQ(bold.fontPointSize(), 14);
    EXPECT_EQ(bold.fontFamilies().toStringList(), QStringList("Times New Roman"));
    EXPECT_EQ(FormatOf(document, "plain").fontWeight(), QFont::Normal);
    QTextCharFormat link = FormatOf(document, "link");
    EXPECT_TRUE(link.fontUnderline());
    EXPECT_EQ(link.foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(link.fontWeight(), QFont::Normal);  // the group ended the bold
    EXPECT_FALSE(FormatOf(document, "end").fontUnderline());
    EXPECT_EQ(FormatOf(document, "mono").fontFamilies().toStringList(), QStringList("Mono"));
}

// Text of any language, its RTF syntax included, shows as written; without
// escaping the syntax, its groups and control words take effect.
TEST(RtfView, EscapesTextSoItShowsAsWritten) {
    const QString text = QStringLiteral("{\\bo} and \\par }{ עברית, العربية, Ünïcödé, \U0001F600 and ?");
    QTextDocument document;
    const std::string escaped = RtfUnicode(text, true);
    EXPECT_TRUE(std::all_of(escaped.begin(), escaped.end(), [](char c) { return (c & 0x80) == 0; }));
    RenderRtf("{\\rtf1 " + escaped + "}", document);
    EXPECT_EQ(document.toPlainText(), text);
    RenderRtf("{\\rtf1 " + RtfUnicode(QStringLiteral("{\\b שלום}\\par x"), false) + "}", document);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("שלום\nx"));
    EXPECT_EQ(document.begin().begin().fragment().charFormat().fontWeight(), QFont::Bold);
}

TEST(TutorialPages, EachPageIsItsTitleAndBodyInTheCommonFrame) {
    const std::string header =
        "{\\rtf1\\adeflang1037\\ansi\\ansicpg1252\\uc1\\deff0{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2  Times New "
        "Roman;}}";
    const std::string colours =
        "{\\colortbl ;\\red0\\green0\\blue0;\\red128\\green0\\blue0;\\red0\\green128\\blue0;\\red128\\green128\\blue0;"
        "\\red0\\green0\\blue128;\\red128\\green0\\blue128;\\red0\\green128\\blue128;\\red128\\green128\\blue128;"
        "\\red192\\green192\\blue192;\\red255\\green0\\blue0;\\red0\\green255\\blue0;\\red255\\green255\\blue0;"
        "\\red0\\green0\\blue255;\\red255\\green0\\blue255;\\red0\\green255\\blue255;\\red255\\green255\\blue255;}";
    const std::string titleFormat = "\\pard\\plain\\ltrpar\\li100\\ri100\\qc\\fs12\\par\\fs26\\sl320\\slmult1\\b\\ul\\cf5 ";
    const std::string bodyFormat = "\\fs6\\par\\qj\\fs23\\ul0\\b0\\cf5 ";
    const char* titles[] = {"Welcome to Quorin!",
                            "File name(s)",
                            "Output Folder",
                            "Options - 'Reverse Right to Left Parenthesis'",
                            "Options - 'Reverse Right to Left Tab alignment'",
                            "Before you convert!",
                            "Converting...",
                            "Font substitution",
                            "Done!"};
    ASSERT_EQ(std::size(titles), static_cast<size_t>(kTutorialPageCount));
    for (int page = 0; page < kTutorialPageCount; ++page) {
        SCOPED_TRACE(page);
        std::string rtf = TutorialPageRtf(page);
        std::string opening = header + colours + titleFormat + titles[page] + "\\par" + bodyFormat;
        ASSERT_EQ(rtf.substr(0, opening.size()), opening);
        ASSERT_EQ(rtf.substr(rtf.size() - 5), "\\par}");
        std::string body = rtf.substr(opening.size(), rtf.size() - opening.size() - 5);

        // The body names the program in bold and commands underlined in blue,
        // and leaves every group it opens.
        QTextDocument document;
        RenderRtf(rtf, document);
        EXPECT_EQ(FormatOf(document, titles[page]).foreground().color(), QColor(0, 0, 128));
        EXPECT_TRUE(body.find("{\\b Quorin}") != std::string::npos || body.find("{\\ul\\cf13 ") != std::string::npos);
        if (auto command = body.find("{\\ul\\cf13 "); command != std::string::npos) {
            QString name = QString::fromStdString(body.substr(command + 10, body.find('}', command) - command - 10));
            int bodyStart = document.findBlockByNumber(2).position();  // past the spacing line and the title
            QTextCharFormat format = FormatOf(document, name, bodyStart);
            EXPECT_TRUE(format.fontUnderline());
            EXPECT_EQ(format.foreground().color(), QColor(0, 0, 255));
        }
        int depth = 0;
        for (size_t i = 0; i < body.size(); ++i) {
            if (body[i] == '\\') ++i;
            else if (body[i] == '{') ++depth;
            else if (body[i] == '}') ASSERT_GE(--depth, 0);
        }
        EXPECT_EQ(depth, 0);
    }
}

}  // namespace
}  // namespace quorin
