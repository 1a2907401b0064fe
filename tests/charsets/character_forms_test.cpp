// Exact forms of single characters, checked against hand-copied expectations.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/character_sets.h"

namespace quorin {
namespace {

struct Expected {
    int set;
    int c;
    std::string_view form;
};

std::string FormOf(int set, int c) {
    std::string out;
    EXPECT_TRUE(AppendCharacterForm(static_cast<uint8_t>(set), static_cast<uint8_t>(c), out))
        << "set " << set << ", character " << c;
    return out;
}

void ExpectForms(std::initializer_list<Expected> cases) {
    for (const Expected& e : cases) {
        EXPECT_EQ(FormOf(e.set, e.c), e.form) << "set " << e.set << ", character " << e.c;
    }
}

void ExpectUnmapped(int set, int c) {
    std::string out = "kept";
    EXPECT_FALSE(AppendCharacterForm(static_cast<uint8_t>(set), static_cast<uint8_t>(c), out))
        << "set " << set << ", character " << c;
    EXPECT_EQ(out, "kept");
}

TEST(CharacterForms, FirstAndLastMappedNumbersOfEverySet) {
    ExpectForms({
        {1, 0, R"(\u768\'60)"},       {1, 233, R"(\'75\u700\'27)"},
        {2, 0, R"({\uc0\u803})"},     {2, 27, R"(\u698\'22)"},
        {3, 0, R"({\uc1\u9617\'a6})"}, {3, 55, R"({\uc1\u9595\'a6})"},
        {4, 0, R"(\u8226\'5f)"},      {4, 84, R"(\u9227\'5f)"},
        {5, 0, R"(\u9829\'5f)"},      {5, 34, R"(\u9251\'5f)"},
        {9, 0, R"(\'e0)"},            {9, 118, R"(\'e9\'c4)"},
        {10, 0, R"({\uc0\u1040})"},   {10, 149, R"({\uc0\u768})"},
        {13, 10, R"(\u1614\'f3)"},    {13, 193, R"(\u-706\'28)"},
        {14, 0, R"(\u95\'5f)"},       {14, 219, R"(\u-1115\'5f)"},
    });
}

TEST(CharacterForms, NumbersPastEachTableAreNotMapped) {
    for (auto [set, past] : {std::pair{1, 234}, {2, 28}, {3, 56}, {4, 85}, {5, 35}, {9, 119}, {10, 150},
                             {13, 194}, {14, 220}}) {
        for (int c = past; c <= 255; ++c) ExpectUnmapped(set, c);
    }
}

TEST(CharacterForms, UnmappedSetsMapNothing) {
    for (int set : {0, 6, 7, 8, 11, 12, 15, 20, 200, 255}) {
        for (int c = 0; c <= 255; ++c) ExpectUnmapped(set, c);
    }
}

TEST(CharacterForms, ArabicZeroToNineAreMappedToNothing) {
    for (int c = 0; c <= 9; ++c) {
        std::string out = "kept";
        EXPECT_TRUE(AppendCharacterForm(13, static_cast<uint8_t>(c), out)) << c;
        EXPECT_EQ(out, "kept") << c;
    }
}

TEST(CharacterForms, AppendsAfterWhatIsThere) {
    std::string out = R"(\'41)";
    ASSERT_TRUE(AppendCharacterForm(1, 41, out));
    ASSERT_TRUE(AppendCharacterForm(1, 41, out));
    EXPECT_EQ(out, R"(\'41\'e9\'e9)");
}

TEST(CharacterForms, MultinationalRuns) {
    ExpectForms({
        {1, 4, R"({\uc0\u8213})"},   {1, 6, R"(\u769\'b4)"},       {1, 8, R"(\u772\'af)"},
        {1, 9, R"(\u700\'27)"},      {1, 13, R"(\u700\'27)"},      {1, 16, R"({\uc0\u733})"},
        {1, 17, R"(\u807\'b8)"},     {1, 21, R"({\uc0\u8254})"},   {1, 25, R"({\uc0\u567})"},
        {1, 26, R"(\'c1)"},          {1, 41, R"(\'e9)"},           {1, 56, R"(\'d1)"},
        {1, 57, R"(\'f1)"},          {1, 72, R"(\'d9)"},           {1, 73, R"(\'f9)"},
        {1, 74, R"({\uc0\u376})"},   {1, 75, R"(\'ff)"},           {1, 89, R"(\'fe)"},
        {1, 90, R"({\uc0\u258})"},   {1, 114, R"({\uc0\u500})"},   {1, 118, R"({\uc0\u486})"},
        {1, 129, R"({\uc0\u295})"},  {1, 130, R"({\uc0\u304})"},   {1, 131, R"(\'69{\uc0\u775})"},
        {1, 144, R"({\uc0\u313})"},  {1, 146, R"({\uc0\u317})"},   {1, 155, R"({\uc0\u324})"},
        {1, 156, R"(\u700\'27\'4e)"}, {1, 157, R"({\uc0\u329})"},  {1, 158, R"({\uc0\u327})"},
        {1, 166, R"({\uc0\u338})"},  {1, 176, R"({\uc0\u352})"},   {1, 198, R"({\uc0\u360})"},
        {1, 204, R"({\uc0\u377})"},  {1, 208, R"({\uc0\u379})"},   {1, 211, R"({\uc0\u331})"},
        {1, 212, R"(\'44\u772\'af)"}, {1, 219, R"(\'72\u768\'60)"}, {1, 223, R"(\'74\u772\'af)"},
        {1, 224, R"(\'59{\uc0\u774})"}, {1, 227, R"({\uc0\u7923})"}, {1, 228, R"(\'44\u700\'27)"},
    });
}

TEST(CharacterForms, DiacriticsWithFallbacks) {
    ExpectForms({
        {2, 5, R"(\u813\'5f)"},    {2, 8, R"({\uc0\u312})"},  {2, 9, R"({\uc0\u814})"},
        {2, 15, R"(\u807\'b8)"},   {2, 21, R"({\uc0\u1569})"}, {2, 22, R"({\uc0\u703})"},
        {2, 23, R"({\uc0\u702})"}, {2, 26, R"(\u697\'27)"},
    });
}

TEST(CharacterForms, BoxDrawing) {
    ExpectForms({
        {3, 5, R"({\uc1\u9600\'af})"},  {3, 7, R"({\uc1\u9604\'5f})"},  {3, 8, R"({\uc1\u9472\'2d})"},
        {3, 14, R"({\uc1\u9500\'2b})"}, {3, 18, R"({\uc1\u9532\'2b})"}, {3, 25, R"({\uc1\u9568\'a6})"},
        {3, 37, R"({\uc1\u9561\'2b})"}, {3, 47, R"({\uc1\u9578\'2b})"}, {3, 50, R"({\uc1\u9590\'2d})"},
        {3, 52, R"({\uc1\u9592\'2d})"},
    });
}

TEST(CharacterForms, TableDrivenSymbolsPrintSignedValues) {
    ExpectForms({
        {4, 4, R"(\u42\'5f)"},     {4, 51, R"(\u-1280\'5f)"}, {4, 55, R"(\u-1278\'5f)"},
        {4, 57, R"(\u36\'5f)"},    {4, 77, R"(\u-424\'5f)"},  {4, 79, R"(\u9225\'5f)"},
        {5, 13, R"(\u8252\'5f)"},  {5, 33, R"(\u8452\'5f)"},
    });
}

TEST(CharacterForms, HebrewLettersPointsAndAccents) {
    ExpectForms({
        {9, 10, R"(\'ea)"},  {9, 11, R"(\'eb)"},  {9, 26, R"(\'fa)"},  {9, 27, R"(\'ce)"},
        {9, 28, R"(\'d0)"},  {9, 31, R"(\'d8)"},  {9, 32, R"(\'c0)"},  {9, 40, R"(\'c8)"},
        {9, 41, R"(\'c9)"},  {9, 42, R"(\'c9)"},  {9, 43, R"(\'cb)"},  {9, 46, R"(\'cf)"},
        {9, 47, R"(\'c7)"},  {9, 48, R"({\uc0\u-1250})"},
        {9, 52, R"({\uc0\u1425})"}, {9, 54, R"({\uc0\u1453})"}, {9, 60, R"({\uc0\u1446})"},
        {9, 62, R"({\uc0\u1450})"}, {9, 70, R"({\uc0\u1448})"}, {9, 80, R"({\uc0\u1455})"},
        {9, 81, R"({\uc0\u1476})"}, {9, 82, R"({\uc0\u1450})"},
    });
}

TEST(CharacterForms, HebrewPointedLettersFallBackToLetterAndPoint) {
    ExpectForms({
        {9, 83, R"({\uc2\u-1232\'e0\'cc})"},  {9, 89, R"({\uc2\u-1205\'e5\'c9})"},
        {9, 90, R"({\uc2\u-1226\'e6\'cc})"},  {9, 91, R"({\'e7\'cc})"},
        {9, 95, R"({\uc2\u-1222\'ea\'cc})"},  {9, 96, R"(\'ea\'c0)"},
        {9, 97, R"(\'ea\'c5)"},               {9, 99, R"(\'ea\'c7)"},
        {9, 100, R"(\'ea\'c8)"}, {9, 101, R"({\uc2\u-1222\'ea\'cc\'c8})"},
        {9, 104, R"({\uc2\u-1216\'f0\'cc})"}, {9, 105, R"(\'ef\'c8)"},
        {9, 109, R"({\uc2\u-1209\'f7\'cc})"}, {9, 110, R"(\u-1237\'f9)"},
        {9, 113, R"({\uc2\u-1236\'f9\'cc})"}, {9, 116, R"({\uc2\u-1202\'f4\'cf})"},
        {9, 117, R"({\uc3\u-1249\'e9\'c7\'e9})"},
    });
}

TEST(CharacterForms, CyrillicLettersAndAccentedVowels) {
    ExpectForms({
        {10, 11, R"({\uc0\u1077})"},  {10, 12, R"({\uc0\u1025})"},  {10, 13, R"({\uc0\u1105})"},
        {10, 14, R"({\uc0\u1046})"},  {10, 65, R"({\uc0\u1103})"},  {10, 66, R"({\uc0\u1168})"},
        {10, 68, R"({\uc0\u1026})"},  {10, 74, R"({\uc0\u1029})"},  {10, 75, R"({\uc0\u1109})"},
        {10, 80, R"({\uc0\u1032})"},  {10, 81, R"({\uc0\u1112})"},  {10, 93, R"({\uc0\u1119})"},
        {10, 94, R"({\uc0\u1122})"},  {10, 104, R"({\uc0\u1065})"}, {10, 105, R"({\uc0\u1097})"},
        {10, 109, R"({\uc0\u1127})"}, {10, 110, R"({\uc0\u1040\u769})"},
        {10, 127, R"({\uc0\u1103\u769})"}, {10, 132, R"({\uc0\u1025\u768})"},
        {10, 147, R"({\uc0\u1103\u768})"}, {10, 148, R"({\uc0\u769})"},
    });
}

TEST(CharacterForms, ArabicMarksAndRepeats) {
    ExpectForms({
        {13, 11, R"({\uc2\u-393\'f3\'dc})"}, {13, 15, R"({\uc2\u-389\'f6\'dc})"},
        {13, 16, R"(\u1611\'f0)"},           {13, 17, R"(\u1612\'f1)"},  {13, 18, R"(\u1612\'f1)"},
        {13, 20, R"(\u1618\'fa)"},           {13, 21, R"({\uc2\u-385\'fa\'dc})"},
        {13, 30, R"(\u1617\'f8\u1611\'f0)"}, {13, 31, R"({\uc2\u-930\'f8\'f1})"},
        {13, 32, R"({\uc2\u-930\'f8\'f1})"}, {13, 33, R"({\uc2\u-929\'f8\'f2})"},
        {13, 35, R"(\u1600\'dc\u1648\'c7)"}, {13, 40, R"(\u1645\'2a)"},  {13, 50, R"(\u1632\'30)"},
        {13, 51, R"(\u1778\'32)"},
    });
}

TEST(CharacterForms, ArabicGroupsRestoreTheSkipCount) {
    ExpectForms({
        {13, 24, R"({\uc2\u-928\'f8\'f3})"},
        {13, 25, R"({\uc3\u-782\'dc\'f8\'f3})"},
        {13, 29, R"({\uc3\u-780\'dc\'f8\'f6})"},
        {13, 178, R"({\uc2\u-261\'c7\'e1\uc1\u1611\'f0})"},
        {13, 183, R"({\uc2\u-260\'c7\'e1\uc1\u710\'88})"},
    });
}

TEST(CharacterForms, ArabicLettersAndLigatures) {
    ExpectForms({
        {13, 52, R"(\u1575\'c7)"},  {13, 53, R"(\u-370\'c7)"},  {13, 102, R"(\u1591\'d8)"},
        {13, 122, R"(\u1602\'de)"}, {13, 123, R"(\u-297\'de)"}, {13, 124, R"(\u-296\'de)"},
        {13, 125, R"(\u-298\'de)"}, {13, 156, R"(\u1569\'c1)"}, {13, 166, R"(\u-374\'c6)"},
        {13, 167, R"({\uc2\u-707\'c7\'f0})"}, {13, 168, R"({\uc2\u-708\'c7\'f0})"},
        {13, 169, R"(\u1570\'c2)"}, {13, 170, R"(\u-382\'c2)"}, {13, 171, R"(\u710\'88)"},
        {13, 174, R"({\uc2\u-265\'c7\'e1})"}, {13, 181, R"({\uc2\u-266\'c7\'e1})"},
        {13, 184, R"({\uc2\u-526\'c7\'e1})"}, {13, 186, R"(\u1600\'dc)"},
        {13, 188, R"(\u-1199\'c7)"}, {13, 192, R"(\u-705\'29)"},
    });
}

TEST(CharacterForms, ArabicScriptValues) {
    ExpectForms({
        {14, 36, R"(\u95\'5f)"},    {14, 37, R"(\u1612\'5f)"},  {14, 38, R"(\u-930\'5f)"},
        {14, 39, R"(\u1626\'5f)"},    {14, 47, R"(\u1784\'5f)"},  {14, 49, R"(\u-1196\'5f)"},
        {14, 65, R"(\u1660\'5f)"},  {14, 152, R"(\u1603\'5f)"}, {14, 158, R"(\u1706\'5f)"},
        {14, 171, R"(\u1890\'5f)"},   {14, 189, R"(\u-1121\'5f)"}, {14, 199, R"(\u-1062\'5f)"},
        {14, 217, R"(\u1725\'5f)"},
    });
}

}  // namespace
}  // namespace quorin
