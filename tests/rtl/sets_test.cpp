// Every character set through the reader: the ends of its table, what lies
// past them, the script it selects and whether its characters count as text.
#include <gtest/gtest.h>

#include <string>

#include "rtl_codes.h"

namespace quorin::test {
namespace {

std::string ScriptText(int script) {
    switch (script) {
        case 1: return kEnglish;
        case 2: return kHebrew;
        case 3: return kArabic;
        case 4: return kRussian;
        default: return "";
    }
}

std::string Placeholder(int set, int c) {
    return "\\'3C\\'3C" + std::to_string(set) + "," + std::to_string(c) + "\\'3E\\'3E";
}

struct SetRow {
    int set;
    int first;
    std::string first_form;
    int last;
    std::string last_form;
    int past;  // -1: the set maps no number
    std::string past_form;
    int script;
    bool marks_text;
};

// What each set writes, copied from the set tables.
const SetRow kSets[] = {
    {0, 0x20, R"(\'20)", 0x7F, R"(\'7F)", 0x80, "", 0, true},
    {1, 0, R"(\u768\'60)", 233, R"(\'75\u700\'27)", 234, Placeholder(1, 234), 1, false},
    {2, 0, R"({\uc0\u803})", 27, R"(\u698\'22)", 28, Placeholder(2, 28), 0, true},
    {3, 0, R"({\uc1\u9617\'a6})", 55, R"({\uc1\u9595\'a6})", 56, Placeholder(3, 56), 1, true},
    {4, 0, R"(\u8226\'5f)", 84, R"(\u9227\'5f)", 85, "", 0, true},
    {5, 0, R"(\u9829\'5f)", 34, R"(\u9251\'5f)", 35, "", 0, true},
    {6, 0, Placeholder(6, 0), 255, Placeholder(6, 255), -1, "", 0, true},
    {7, 0, Placeholder(7, 0), 255, Placeholder(7, 255), -1, "", 0, true},
    {8, 0, Placeholder(8, 0), 255, Placeholder(8, 255), -1, "", 0, true},
    {9, 0, R"(\'e0)", 118, R"(\'e9\'c4)", 119, Placeholder(9, 119), 2, true},
    {10, 0, R"({\uc0\u1040})", 149, R"({\uc0\u768})", 150, Placeholder(10, 150), 4, true},
    {11, 0, Placeholder(11, 0), 255, Placeholder(11, 255), -1, "", 0, true},
    {12, 0, Placeholder(12, 0), 255, Placeholder(12, 255), -1, "", 0, true},
    {13, 10, R"(\u1614\'f3)", 193, R"(\u-706\'28)", 194, Placeholder(13, 194), 3, true},
    {14, 0, R"(\u95\'5f)", 219, R"(\u-1115\'5f)", 220, "", 3, true},
    {15, 0, Placeholder(15, 0), 255, Placeholder(15, 255), -1, "", 0, false},
    {255, 0, Placeholder(255, 0), 255, Placeholder(255, 255), -1, "", 0, false},
};

std::string Character(const SetRow& row, int c) {
    return Extended(static_cast<uint8_t>(row.set), static_cast<uint8_t>(c));
}

TEST(SetsThroughTheReader, EndsOfEachTableSelectTheScriptOnceAndMarkText) {
    for (const SetRow& row : kSets) {
        SCOPED_TRACE("set " + std::to_string(row.set));
        const std::string script = ScriptText(row.script);
        const std::string close = row.marks_text ? kParagraph : "";
        // Plain text inside the run does not change the script either.
        EXPECT_EQ(ConvertBody(Character(row, row.first) + Character(row, row.last) + " " + Character(row, row.first)),
                  script + row.first_form + row.last_form + "\\'20" + row.first_form + kParagraph);
        EXPECT_EQ(ConvertBody(Character(row, row.last) + Character(row, row.first)),
                  script + row.last_form + row.first_form + close);
        if (row.past >= 0) {
            EXPECT_EQ(ConvertBody(Character(row, row.past)), script + row.past_form + close);
        }
    }
}

TEST(SetsThroughTheReader, TextMarksDecideTheSectionBreak) {
    const std::string columnsOff = Bytes({0x88});
    for (const SetRow& row : kSets) {
        SCOPED_TRACE("set " + std::to_string(row.set));
        const std::string script = ScriptText(row.script);
        const std::string breakText = row.marks_text ? "{\\par}\n\\sect\\sbknone\\ltrsect" : "";
        EXPECT_EQ(ConvertBody(Character(row, row.first) + columnsOff), script + row.first_form + breakText + "\\cols1");
    }
}

TEST(SetsThroughTheReader, ScriptAfterHebrewText) {
    for (const SetRow& row : kSets) {
        SCOPED_TRACE("set " + std::to_string(row.set));
        // A set without a script of its own keeps the Hebrew one.
        const std::string script(row.script == 2 ? "" : ScriptText(row.script));
        EXPECT_EQ(ConvertBody(Extended(9, 0) + Character(row, row.first)),
                  kHebrew + "\\'e0" + script + row.first_form + kParagraph);
    }
}

TEST(SetsThroughTheReader, ArabicZeroToNineSelectTheScriptAndWriteNothing) {
    for (int c = 0; c <= 9; ++c) {
        EXPECT_EQ(ConvertBody(Extended(9, 0) + Extended(13, static_cast<uint8_t>(c))),
                  kHebrew + "\\'e0" + kArabic + kParagraph)
            << c;
    }
}

}  // namespace
}  // namespace quorin::test
