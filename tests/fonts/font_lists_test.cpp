#include <gtest/gtest.h>

#include "fonts/font_lists.h"
#include "qt_printing.h"

namespace quorin {
namespace {

const QList<InstalledFace> kFaces = {
    {"Times New Roman", "Western"}, {"Arial", "Western"},       {"Arial", "Hebrew"},
    {"Arial", "Arabic"},            {"Arial", "Cyrillic"},      {"arial", "Western"},
    {"Arial", "Western"},           {"Davka David", "Western"}, {"GuttmanD Yad", "Western"},
    {"David", "Hebrew"},            {"Tahoma", "Greek"},        {"Davka", "Western"},
};

TEST(FontLists, WindowsCompatibleListsSortEachScriptApart) {
    FontLists lists = BuildFontLists(kFaces, kWindowsCompatibleFonts);
    EXPECT_EQ(lists.english, (QStringList{"Arial (Western)", "arial (Western)", "Davka (Western)",
                                          "Davka David (Western)", "GuttmanD Yad (Western)",
                                          "Times New Roman (Western)"}));
    EXPECT_EQ(lists.hebrew, (QStringList{"Arial (Hebrew)", "David (Hebrew)"}));
    EXPECT_EQ(lists.arabic, (QStringList{"Arial (Arabic)"}));
}

TEST(FontLists, DavkaCompatibleListsHebrewFontsByTheirOwnName) {
    FontLists lists = BuildFontLists(kFaces, kDavkaCompatibleFonts);
    EXPECT_EQ(lists.english, (QStringList{"Arial", "arial", "Times New Roman"}));
    EXPECT_EQ(lists.hebrew, (QStringList{"David", "Yad"}));
    EXPECT_EQ(lists.arabic, (QStringList{"Arial (Arabic)"}));
}

TEST(FontLists, AllFontsListsEveryScriptEverywhere) {
    FontLists lists = BuildFontLists(kFaces, kAllFonts);
    EXPECT_EQ(lists.english.size(), 11);  // 12 faces, "Arial (Western)" twice
    EXPECT_EQ(lists.english, lists.hebrew);
    EXPECT_EQ(lists.english, lists.arabic);
    EXPECT_TRUE(lists.english.contains("Tahoma (Greek)"));
    EXPECT_EQ(lists.english.count("Arial (Western)"), 1);
}

TEST(FontLists, EmptyListsOfferTheDefaultFont) {
    FontLists none = BuildFontLists({}, kWindowsCompatibleFonts);
    EXPECT_EQ(none.english, QStringList{"Default font"});
    EXPECT_EQ(none.hebrew, QStringList{"Default font"});
    EXPECT_EQ(none.arabic, QStringList{"Default font"});
    FontLists latinOnly = BuildFontLists({{"Arial", "Western"}, {"Arial", "Hebrew"}}, kDavkaCompatibleFonts);
    EXPECT_EQ(latinOnly.hebrew, QStringList{"Default font"});
    EXPECT_EQ(latinOnly.arabic, QStringList{"Default font"});
    EXPECT_EQ(BuildFontLists(kFaces, 3).english, QStringList{"Default font"});
}

TEST(FontLists, BestPrefixTakesTheFirstEntryOfTheLongestCommonBeginning) {
    QStringList list{"Arial (Western)", "Tahoma (Western)", "Times (Western)", "Times New Roman (Western)",
                     "times new roman (Western)"};
    EXPECT_EQ(BestPrefixIndex(list, "Times", 0), 2);
    EXPECT_EQ(BestPrefixIndex(list, "TIMES NEW", 0), 3);
    EXPECT_EQ(BestPrefixIndex(list, "Timid", 0), 2);   // "Tim" is the longest shared beginning
    EXPECT_EQ(BestPrefixIndex(list, "Tx", 4), 1);      // only "T" is shared
    EXPECT_EQ(BestPrefixIndex(list, "Zapf", 4), 4);    // nothing shared: the selection stays
    EXPECT_EQ(BestPrefixIndex(list, "", 3), 3);
    EXPECT_EQ(BestPrefixIndex(list, "Times New Roman (Western) Bold", 0), 3);
}

TEST(FontLists, PreselectionPrefersStoredEntriesOverTheFontKey) {
    FontLists lists = BuildFontLists(kFaces, kWindowsCompatibleFonts);
    EXPECT_EQ(PreselectedChoice(lists, "Times", {}),
              (FontChoice{"Times New Roman (Western)", "Arial (Hebrew)", "Arial (Arabic)"}));
    EXPECT_EQ(PreselectedChoice(lists, "Times", {"", "David (Hebrew)", ""}),
              (FontChoice{"Times New Roman (Western)", "David (Hebrew)", "Arial (Arabic)"}));
    // A stored entry no longer offered gives way to its nearest neighbour.
    EXPECT_EQ(PreselectedChoice(lists, "Times", {"Davka Dov (Western)", "Zed", ""}).english,
              "Davka David (Western)");
    EXPECT_EQ(PreselectedChoice(BuildFontLists({}, kAllFonts), "Times", {}),
              (FontChoice{"Default font", "Default font", "Default font"}));
}

}  // namespace
}  // namespace quorin
