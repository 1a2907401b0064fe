#include <gtest/gtest.h>

#include <QSettings>
#include <atomic>
#include <thread>
#include <vector>

#include "fonts/unattended_font_chooser.h"
#include "qt_printing.h"
#include "temporary_config_home.h"

namespace quorin {
namespace {

class FakeCatalog : public FontCatalog {
public:
    QList<InstalledFace> Faces() const override {
        ++reads;
        return {{"Times New Roman", "Western"}, {"Arial", "Western"},      {"Arial", "Hebrew"},
                {"Arial", "Arabic"},            {"David", "Hebrew"},       {"Davka Ktav", "Western"},
                {"Traditional Arabic", "Arabic"}, {"Tahoma", "Greek"}};
    }
    mutable std::atomic<int> reads{0};
};

// The system's substitutes: Roman is drawn with Times New Roman, with David in
// Hebrew text and with a family the lists lack in Arabic text; anything else
// with Arial.
class FakeMatcher : public FontMatcher {
public:
    QString MatchFamily(const QString& name, const QString& script) const override {
        ++calls;
        if (name != u"Roman") return "Arial";
        if (script == u"Hebrew") return "David";
        return script == u"Arabic" ? "Not Installed Sans" : "Times New Roman";
    }
    mutable std::atomic<int> calls{0};
};

class UnattendedChooser : public testing::Test {
protected:
    FontSubstitutes Lookup(const std::string& name) { return chooser.LookupSubstitutes(name); }

    FontMap map{test::FreshSettingsFile()};
    FakeCatalog catalog;
    UnattendedFontChooser chooser{map, catalog};
};

TEST_F(UnattendedChooser, TakesACompleteMapAnswerAsStored) {
    map.Store("times", {"Gone Face (Western)", "Old (Hebrew)", "Default font"});
    FontSubstitutes faces = Lookup("WPTimes Roman");
    EXPECT_EQ(faces.english, "Gone Face (Western)");
    EXPECT_EQ(faces.hebrew, "Old (Hebrew)");
    EXPECT_EQ(faces.arabic, "Default font");
    EXPECT_EQ(catalog.reads, 0);
}

TEST_F(UnattendedChooser, OtherwiseTakesThePreselectedEntriesAndWritesNothing) {
    map.Store("Times", {"", "David (Hebrew)", ""});
    FontSubstitutes faces = Lookup("Times Roman");
    EXPECT_EQ(faces.english, "Times New Roman (Western)");
    EXPECT_EQ(faces.hebrew, "David (Hebrew)");
    EXPECT_EQ(faces.arabic, "Traditional Arabic (Arabic)");  // shares the "T"
    EXPECT_EQ(map.Lookup("Times"), (FontChoice{"", "David (Hebrew)", ""}));

    FontSubstitutes tradition = Lookup("Traditional-TT");
    EXPECT_EQ(tradition.english, "Times New Roman (Western)");  // "T" is all it shares
    EXPECT_EQ(tradition.hebrew, "Arial (Hebrew)");  // nothing shared: the first entry
    EXPECT_EQ(tradition.arabic, "Traditional Arabic (Arabic)");
    QSettings settings(map.SettingsFile(), QSettings::IniFormat);
    settings.beginGroup("FontSubstitution/English");
    EXPECT_EQ(settings.childKeys(), QStringList{"Times"});
}

TEST_F(UnattendedChooser, UsesTheFilterLastChosen) {
    map.SetFontType(kDavkaCompatibleFonts);
    FontSubstitutes davka = Lookup("Arial");
    EXPECT_EQ(davka.english, "Arial");
    EXPECT_EQ(davka.hebrew, "Ktav");
    EXPECT_EQ(davka.arabic, "Arial (Arabic)");

    map.SetFontLanguage(kArabicLanguage);  // no Davka lists for Arabic
    EXPECT_EQ(Lookup("Arial").english, "Arial (Western)");

    map.SetFontType(kAllFonts);
    EXPECT_EQ(Lookup("Tahoma").hebrew, "Tahoma (Greek)");
    EXPECT_EQ(catalog.reads, 1);
}

// Also when an answer for the key was given before the change.
TEST_F(UnattendedChooser, SeesMapChangesAtOnce) {
    EXPECT_EQ(Lookup("Arial").english, "Arial (Western)");
    map.Store("ARIAL", {"Tahoma (Greek)", "David (Hebrew)", "Arial (Arabic)"});
    EXPECT_EQ(Lookup("Arial").english, "Tahoma (Greek)");
}

TEST_F(UnattendedChooser, AnswersSeveralConversionsAtOnce) {
    map.Store("Times", {"", "David (Hebrew)", ""});
    std::vector<std::thread> threads;
    std::atomic<int> wrong{0};
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 25; ++i) {
                FontSubstitutes faces = Lookup(i % 2 ? "Times Roman" : "Arial");
                if (faces.hebrew != (i % 2 ? "David (Hebrew)" : "Arial (Hebrew)")) ++wrong;
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(catalog.reads, 1);
}

class SystemSubstitutes : public UnattendedChooser {
protected:
    FakeMatcher matcher;
    UnattendedFontChooser matching{map, catalog, &matcher};
};

TEST_F(SystemSubstitutes, AnswerAKeyThatSharesNoLetterWithAnyEntry) {
    FontSubstitutes faces = matching.LookupSubstitutes("Roman 10cpi");
    EXPECT_EQ(faces.english, "Times New Roman (Western)");  // not the first entry, Arial
    EXPECT_EQ(faces.hebrew, "David (Hebrew)");
    EXPECT_EQ(faces.arabic, "Arial (Arabic)");  // the system's family is not in the list
    matching.LookupSubstitutes("Roman Bold");
    EXPECT_EQ(matcher.calls, 3);  // once per key and script

    map.SetFontType(kDavkaCompatibleFonts);
    EXPECT_EQ(matching.LookupSubstitutes("Roman").english, "Times New Roman");
    map.SetFontType(kAllFonts);
    EXPECT_EQ(matching.LookupSubstitutes("Roman").hebrew, "David (Hebrew)");
}

TEST_F(SystemSubstitutes, NeverOverruleASharedBeginningOrAStoredEntry) {
    FontSubstitutes tms = matching.LookupSubstitutes("Tms Rmn");
    EXPECT_EQ(tms.english, "Times New Roman (Western)");  // shares the "T"
    EXPECT_EQ(tms.arabic, "Traditional Arabic (Arabic)");
    EXPECT_EQ(tms.hebrew, "Arial (Hebrew)");  // no "T" in the Hebrew list: the system's Arial
    EXPECT_EQ(matcher.calls, 1);
    map.Store("Roman", {"Arial (Western)", "", ""});
    FontSubstitutes roman = matching.LookupSubstitutes("Roman");
    EXPECT_EQ(roman.english, "Arial (Western)");
    EXPECT_EQ(roman.hebrew, "David (Hebrew)");
    EXPECT_EQ(matcher.calls, 3);  // the stored English entry was not second-guessed
}

}  // namespace
}  // namespace quorin
