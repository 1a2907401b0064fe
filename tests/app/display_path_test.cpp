// Paths as messages and the window show them: left-to-right units whose
// folders keep their order, and, without right-to-left letters, unchanged.
#include <gtest/gtest.h>

#include <QChar>
#include <QString>

#include "app/display_path.h"
#include "app/message_texts.h"

namespace quorin {
namespace {

std::string Utf8(char32_t c) { return QString::fromUcs4(&c, 1).toStdString(); }

// Against the Unicode character database: every letter of class R or AL is
// found, and no letter of class L is.
TEST(DisplayPath, FindsEveryRightToLeftLetterAndNoLeftToRightOne) {
    int rightToLeft = 0;
    for (char32_t c = 1; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        QChar::Direction direction = QChar::direction(c);
        if (direction == QChar::DirR || direction == QChar::DirAL) {
            ++rightToLeft;
            EXPECT_TRUE(HasRightToLeft("a/" + Utf8(c) + ".wp")) << std::hex << uint32_t(c);
        } else if (direction == QChar::DirL) {
            EXPECT_FALSE(HasRightToLeft(Utf8(c))) << std::hex << uint32_t(c);
        }
    }
    EXPECT_GT(rightToLeft, 1000);
    // Bytes that are not UTF-8 are no letters; cut-off sequences end the text.
    EXPECT_FALSE(HasRightToLeft("\xD7"));
    EXPECT_FALSE(HasRightToLeft("\xFF\xFE/\xD7\x20"));
    EXPECT_TRUE(HasRightToLeft("\xFF/\xD7\x90"));
}

TEST(DisplayPath, MarksOnlyPathsWithRightToLeftLettersAndComesBackWhole) {
    const std::string hebrew = "/home/dana/מסמכים/ישנים/מכתב.wp";
    for (const std::string& path : {std::string("/home/dana/letters/a b.wp"), std::string("C:\\x|\"y\"\xFF"),
                                    std::string("/tmp/Ünïcödé/файл.wp"), std::string()}) {
        EXPECT_EQ(DisplayPath(path), path);
        EXPECT_EQ(WithoutDisplayMarks(path), path);
    }
    EXPECT_EQ(DisplayPath(hebrew), "\u2066/\u200Ehome/\u200Edana/\u200Eמסמכים/\u200Eישנים/\u200Eמכתב.wp\u2069");
    EXPECT_EQ(WithoutDisplayMarks(DisplayPath(hebrew)), hebrew);
    const std::string list = "\"" + DisplayPath(hebrew) + "\" | \"" + DisplayPath("/ملفات/تقرير.wp") + "\"";
    EXPECT_EQ(WithoutDisplayMarks(list), "\"" + hebrew + "\" | \"/ملفات/تقرير.wp\"");
}

// The messages that quote a path: ASCII paths byte for byte as before,
// Hebrew ones as one left-to-right unit.
TEST(DisplayPath, MessagesQuotePathsAsShown) {
    EXPECT_EQ(texts::ErrorOpeningFile("/home/a.wp"), "Error opening file \"/home/a.wp\"!");
    EXPECT_EQ(texts::WithPath("/home/a.wp", "Reason!"), "/home/a.wp\nReason!");
    const std::string hebrew = "/בית/א.wp";
    const std::string shown = DisplayPath(hebrew);
    EXPECT_NE(shown, hebrew);
    EXPECT_EQ(texts::ErrorOpeningFile(hebrew), "Error opening file \"" + shown + "\"!");
    EXPECT_EQ(texts::CantFindFiles(hebrew), "Can't find file(s) \"" + shown + "\"!\n");
    EXPECT_EQ(texts::ErrorBackingUpFile(hebrew, hebrew), "Error backing up file: \"" + shown + "\"!\nSkipping file: \"" + shown + "\"!");
    EXPECT_EQ(texts::WithPath(hebrew, "Reason!"), shown + "\nReason!");
}

}  // namespace
}  // namespace quorin
