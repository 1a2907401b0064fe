#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>

#include "fonts/font_key.h"
#include "fonts/font_map.h"
#include "qt_printing.h"
#include "temporary_config_home.h"

namespace quorin {
namespace {

using test::FreshSettingsFile;

TEST(FontKey, FirstWordWithoutWpAndTrueTypeMarks) {
    EXPECT_EQ(FontKey("WPHebrew David"), "Hebrew");
    EXPECT_EQ(FontKey("Courier-TT"), "Courier");
    EXPECT_EQ(FontKey("Helve-TT Bold"), "Helve");
    EXPECT_EQ(FontKey("Times Roman"), "Times");
    EXPECT_EQ(FontKey(" Leading space"), "");
    EXPECT_EQ(FontKey("Arial"), "Arial");
    EXPECT_EQ(FontKey("wpItalic"), "wpItalic");     // no case folding
    EXPECT_EQ(FontKey("WP-TTX-TT"), "X");           // "WP" first, then every "-TT"
    EXPECT_EQ(FontKey("A-TTWP"), "AWP");
}

TEST(FontMap, StoresAndFindsKeysWithoutRegardToCase) {
    FontMap map(FreshSettingsFile());
    EXPECT_EQ(map.Lookup("Times"), FontChoice{});
    map.Store("Times", {"Times New Roman (Western)", "David (Hebrew)", "Arial (Arabic)"});
    FontChoice expected{"Times New Roman (Western)", "David (Hebrew)", "Arial (Arabic)"};
    EXPECT_EQ(map.Lookup("Times"), expected);
    EXPECT_EQ(map.Lookup("TIMES"), expected);
    EXPECT_TRUE(map.Lookup("Time").english.isEmpty());

    // Storing under another case replaces the entry instead of adding a second one.
    map.Store("tImEs", {"A", "B", "C"});
    EXPECT_EQ(map.Lookup("Times"), (FontChoice{"A", "B", "C"}));
    QSettings settings(map.SettingsFile(), QSettings::IniFormat);
    settings.beginGroup("FontSubstitution/English");
    EXPECT_EQ(settings.childKeys(), QStringList{"Times"});

    map.Store("Courier", {"Courier New (Western)", "", ""});
    EXPECT_FALSE(map.Lookup("courier").Complete());
}

TEST(FontMap, KeysWithSeparatorsAndOddCharactersStayApart) {
    FontMap map(FreshSettingsFile());
    const QStringList keys = {"A/B", "A", "A\\B", "A%2FB", "%00", "", "Ä,=;[x] \"q\"", "@Mincho", "A//B"};
    // Values too: commas, a leading "@" and outer spaces mean something to the file format.
    for (const QString& key : keys) map.Store(key, {key + ", e", "@" + key, " " + key + " "});
    FontMap again(map.SettingsFile());
    for (const QString& key : keys) {
        EXPECT_EQ(again.Lookup(key), (FontChoice{key + ", e", "@" + key, " " + key + " "})) << key.toStdString();
    }
    QSettings settings(map.SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(settings.childGroups(), QStringList{"FontSubstitution"});
    settings.beginGroup("FontSubstitution/Hebrew");
    EXPECT_TRUE(settings.childGroups().isEmpty());
    EXPECT_EQ(settings.childKeys().size(), keys.size());
}

TEST(FontMap, DeleteKeepsFilterAndLanguage) {
    FontMap map(FreshSettingsFile());
    EXPECT_EQ(map.FontType(), 0);
    EXPECT_EQ(map.FontLanguage(), 0);
    map.SetFontType(1);
    map.SetFontLanguage(1);
    map.Store("Times", {"a", "b", "c"});
    map.DeleteFontMap();
    EXPECT_EQ(map.Lookup("Times"), FontChoice{});
    EXPECT_EQ(map.FontType(), 1);
    EXPECT_EQ(map.FontLanguage(), 1);
    map.DeleteFontMap();  // nothing left to delete
    map.Store("Times", {"x", "y", "z"});
    EXPECT_EQ(map.Lookup("times").arabic, "z");
}

TEST(FontMap, FilterAndLanguageNamesIgnoreCaseAndBadValuesReadAsZero) {
    QString file = FreshSettingsFile();
    {
        QSettings settings(file, QSettings::IniFormat);
        settings.setValue("FontSubstitution/fonttype", 2);
        settings.setValue("FontSubstitution/FONTLANGUAGE", 7);
    }
    FontMap map(file);
    EXPECT_EQ(map.FontType(), 2);
    EXPECT_EQ(map.FontLanguage(), 0);
    map.SetFontType(-1);
    EXPECT_EQ(map.FontType(), 0);
    map.SetFontLanguage(1);
    QSettings settings(file, QSettings::IniFormat);
    EXPECT_EQ(settings.value("FontSubstitution/FONTLANGUAGE").toInt(), 1);
    EXPECT_FALSE(settings.contains("FontSubstitution/FontLanguage"));
}

// The program's own file, written by one process and read by another.
TEST(FontMap, PersistsAcrossRunsInTheConfigFolder) {
    QString expectedFile = QDir(test::TemporaryConfigHome()).filePath("Ardenwick/Quorin.ini");
    EXPECT_EQ(FontMap().SettingsFile(), expectedFile);

    QProcess store;
    store.start(QUORIN_FONT_MAP_PROBE, {"store", "Hel/ve\\x", "Arial (Western)", "Arial (Hebrew)", "Arial (Arabic)"});
    ASSERT_TRUE(store.waitForFinished(60000));
    ASSERT_EQ(store.exitCode(), 0);
    EXPECT_TRUE(QFile::exists(expectedFile));

    QProcess lookup;
    lookup.start(QUORIN_FONT_MAP_PROBE, {"lookup", "HEL/VE\\X"});
    ASSERT_TRUE(lookup.waitForFinished(60000));
    EXPECT_EQ(lookup.readAllStandardOutput(), "Arial (Western)\nArial (Hebrew)\nArial (Arabic)\n2\n");

    // And this process sees the other's writes at once.
    EXPECT_EQ(FontMap().Lookup("hel/ve\\x").hebrew, "Arial (Hebrew)");
    FontMap().Store("Hel/ve\\x", {"E", "H", "A"});
    QProcess again;
    again.start(QUORIN_FONT_MAP_PROBE, {"lookup", "Hel/ve\\x"});
    ASSERT_TRUE(again.waitForFinished(60000));
    EXPECT_EQ(again.readAllStandardOutput(), "E\nH\nA\n2\n");

    // A choice made by another process counts at this process's next lookup.
    QProcess change;
    change.start(QUORIN_FONT_MAP_PROBE, {"store", "hel/VE\\x", "Changed", "Changed too", "Changed also"});
    ASSERT_TRUE(change.waitForFinished(60000));
    EXPECT_EQ(FontMap().Lookup("Hel/ve\\x"), (FontChoice{"Changed", "Changed too", "Changed also"}));
}

}  // namespace
}  // namespace quorin
