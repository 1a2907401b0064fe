#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/font_table.h"

using namespace std::string_literals;

namespace quorin {
namespace {

// An 86-byte font record naming the pool offset `nameOffset`.
std::string Record(int nameOffset, int firstField = 0) {
    std::string record(86, '\0');
    record[0] = static_cast<char>(firstField & 0xFF);
    record[1] = static_cast<char>(firstField >> 8);
    record[18] = static_cast<char>(nameOffset & 0xFF);
    record[19] = static_cast<char>(nameOffset >> 8);
    return record;
}

std::string Unused() { return Record(0, 0xFFFF); }

// Answers from a table, remembering what it was asked; may cancel at one question.
class ScriptedResolver : public FontResolver {
public:
    explicit ScriptedResolver(std::map<std::string, FontSubstitutes> answers, CancelRequest* cancelAt = nullptr,
                              size_t cancelCall = 0)
        : answers_(std::move(answers)), cancel_(cancelAt), cancelCall_(cancelCall) {}

    FontSubstitutes LookupSubstitutes(const std::string& name) override {
        asked.push_back(name);
        if (cancel_ && asked.size() == cancelCall_) cancel_->Request();
        auto found = answers_.find(name);
        return found == answers_.end() ? FontSubstitutes{} : found->second;
    }

    std::vector<std::string> asked;

private:
    std::map<std::string, FontSubstitutes> answers_;
    CancelRequest* cancel_;
    size_t cancelCall_;
};

std::string Table(std::string fontList, std::string pool, FontResolver* fonts,
                  const CancelRequest& cancel = CancelRequest{}) {
    RtfBuffer list(fontList), names(pool), piece("earlier text");
    WriteFontTable(list, names, piece, cancel, fonts);
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(names.empty());
    return piece;
}

const std::string kPool = std::string("Times Roman\0Helve-TT Bold\0Courier\0", 34);

TEST(FontTable, WritesThreeFacesPerRecordWithTheirNumbers) {
    ScriptedResolver fonts({{"Times Roman", {"Times New Roman (Western)", "David (Hebrew)", "Arial (Arabic)"}},
                            {"Helve-TT Bold", {"Arial", "", ""}},
                            {"Courier", {"", "Miriam Fixed (Hebrew)", "Courier New (Arabic)"}}});
    EXPECT_EQ(Table(Record(0) + Record(12) + Record(26), kPool, &fonts),
              "{\\fonttbl"
              "{\\f0\\froman\\fcharset0\\cpg1252 Times New Roman;}"
              "{\\f1000\\fbidi\\fcharset177\\cpg1255 David;}"
              "{\\f2000\\fbidi\\fcharset178\\cpg1256 Arial;}\n"
              "{\\f1\\froman\\fcharset0\\cpg1252 Arial;}\n"
              "{\\f1002\\fbidi\\fcharset177\\cpg1255 Miriam Fixed;}"
              "{\\f2002\\fbidi\\fcharset178\\cpg1256 Courier New;}\n"
              "}\n");
    EXPECT_EQ(fonts.asked, (std::vector<std::string>{"Times Roman", "Helve-TT Bold", "Courier"}));
}

TEST(FontTable, WithoutResolverEachNameStandsForItself) {
    EXPECT_EQ(Table(Record(26), kPool, nullptr),
              "{\\fonttbl{\\f0\\froman\\fcharset0\\cpg1252 Courier;}"
              "{\\f1000\\fbidi\\fcharset177\\cpg1255 Courier;}"
              "{\\f2000\\fbidi\\fcharset178\\cpg1256 Courier;}\n}\n");
}

TEST(FontTable, EmptyAndPartialFontLists) {
    EXPECT_EQ(Table("", kPool, nullptr), "{\\fonttbl}\n");
    EXPECT_EQ(Table(Record(0).substr(0, 85), kPool, nullptr), "{\\fonttbl}\n");
    ScriptedResolver fonts({});
    std::string two = Record(0) + Record(12);
    Table(two, kPool, &fonts);
    EXPECT_EQ(fonts.asked.size(), 2u);
    fonts.asked.clear();
    Table(two.substr(0, 171), kPool, &fonts);
    EXPECT_EQ(fonts.asked, (std::vector<std::string>{"Times Roman"}));
}

TEST(FontTable, RecordsWithoutFacesAndUnusedRecordsKeepTheirNumbers) {
    ScriptedResolver fonts({{"Courier", {"C", "H", "A"}}});
    EXPECT_EQ(Table(Unused() + Record(0) + Record(26), kPool, &fonts),
              "{\\fonttbl\n"
              "{\\f2\\froman\\fcharset0\\cpg1252 C;}"
              "{\\f1002\\fbidi\\fcharset177\\cpg1255 H;}"
              "{\\f2002\\fbidi\\fcharset178\\cpg1256 A;}\n}\n");
    // The unused record gives no line and is not looked up; the later ones are.
    EXPECT_EQ(fonts.asked, (std::vector<std::string>{"Times Roman", "Courier"}));
}

TEST(FontTable, NamesStopAtThePoolsEnd) {
    std::string pool = "Times\0Gara"s;
    EXPECT_EQ(Table(Record(6) + Record(10) + Record(400) + Record(2), pool, nullptr),
              "{\\fonttbl"
              "{\\f0\\froman\\fcharset0\\cpg1252 Gara;}{\\f1000\\fbidi\\fcharset177\\cpg1255 Gara;}"
              "{\\f2000\\fbidi\\fcharset178\\cpg1256 Gara;}\n"
              "\n\n"
              "{\\f3\\froman\\fcharset0\\cpg1252 mes;}{\\f1003\\fbidi\\fcharset177\\cpg1255 mes;}"
              "{\\f2003\\fbidi\\fcharset178\\cpg1256 mes;}\n}\n");
}

TEST(FontTable, CancelDuringALookupKeepsTheLinesBefore) {
    CancelRequest cancel;
    ScriptedResolver fonts({{"Times Roman", {"T", "", ""}}, {"Courier", {"C", "", ""}}}, &cancel, 2);
    EXPECT_EQ(Table(Record(0) + Record(12) + Record(26), kPool, &fonts, cancel),
              "{\\fonttbl{\\f0\\froman\\fcharset0\\cpg1252 T;}\n}\n");
    EXPECT_EQ(fonts.asked.size(), 2u);
}

TEST(FontTable, FacesLoseTheirScriptSuffixAndEscapeRtfCharacters) {
    ScriptedResolver fonts({{"Times Roman",
                             {"Noto Sans Central European (Central European)", "Odd {Face} (Hebrew)",
                              "Back\\slash (Arabic)"}},
                            {"Courier", {"Courier (Modern)", "Ketter (Hebrew) (Hebrew)", "Naskh(Arabic)"}}});
    EXPECT_EQ(Table(Record(0) + Record(26), kPool, &fonts),
              "{\\fonttbl"
              "{\\f0\\froman\\fcharset0\\cpg1252 Noto Sans Central European;}"
              "{\\f1000\\fbidi\\fcharset177\\cpg1255 Odd \\{Face\\};}"
              "{\\f2000\\fbidi\\fcharset178\\cpg1256 Back\\\\slash;}\n"
              "{\\f1\\froman\\fcharset0\\cpg1252 Courier (Modern);}"
              "{\\f1001\\fbidi\\fcharset177\\cpg1255 Ketter (Hebrew);}"
              "{\\f2001\\fbidi\\fcharset178\\cpg1256 Naskh(Arabic);}\n}\n");
}

TEST(FontTable, AnEntryThatIsOnlyAScriptGivesNoFace) {
    ScriptedResolver fonts({{"Courier", {" (Western)", "Default font", ""}}});
    EXPECT_EQ(Table(Record(26), kPool, &fonts),
              "{\\fonttbl{\\f1000\\fbidi\\fcharset177\\cpg1255 Default font;}\n}\n");
}

}  // namespace
}  // namespace quorin
