// Runs against the fonts installed on this machine (the test set-up installs
// DejaVu and Noto, which cover Latin, Hebrew and Arabic).
#include <gtest/gtest.h>

#include <QProcess>
#include <QSet>
#include <regex>

#include "core/convert_document.h"
#include "core/font_table.h"
#include "fonts/fontconfig_catalog.h"
#include "fonts/unattended_font_chooser.h"
#include "qt_printing.h"
#include "support/wp_builder.h"
#include "temporary_config_home.h"

namespace quorin {
namespace {

// Every family name of every outline font, as fontconfig's own tool lists them.
QSet<QString> FamilyNamesOnThisMachine() {
    QProcess list;
    list.start("fc-list", {":outline=true", "family"});
    if (!list.waitForFinished(60000)) return {};
    QSet<QString> names;
    for (const QString& line : QString::fromUtf8(list.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
        for (QString name : line.split(u',')) names.insert(name.replace("\\-", "-"));
    }
    return names;
}

QSet<QString> FamiliesFor(const QList<InstalledFace>& faces, const QString& script) {
    QSet<QString> families;
    for (const InstalledFace& face : faces) {
        if (face.script == script) families.insert(face.family);
    }
    return families;
}

TEST(InstalledFonts, CatalogNamesInstalledFamiliesByScript) {
    const QList<InstalledFace> faces = FontconfigCatalog().Faces();
    const QSet<QString> installed = FamilyNamesOnThisMachine();
    ASSERT_FALSE(installed.isEmpty());
    for (const InstalledFace& face : faces) {
        EXPECT_TRUE(installed.contains(face.family)) << face.family.toStdString();
    }
    QSet<QString> western = FamiliesFor(faces, "Western");
    QSet<QString> hebrew = FamiliesFor(faces, "Hebrew");
    QSet<QString> arabic = FamiliesFor(faces, "Arabic");
    EXPECT_TRUE(western.contains("DejaVu Sans"));
    EXPECT_TRUE(hebrew.contains("Noto Sans Hebrew"));
    EXPECT_TRUE(arabic.contains("Noto Naskh Arabic"));
    EXPECT_FALSE(western.contains("Noto Sans Hebrew"));  // Hebrew letters only
    EXPECT_FALSE(hebrew.contains("Noto Naskh Arabic"));
    EXPECT_TRUE(FamiliesFor(faces, "Cyrillic").contains("DejaVu Sans"));
    EXPECT_TRUE(FamiliesFor(faces, "Greek").contains("DejaVu Sans"));
    // Styles count as their family.
    EXPECT_FALSE(western.contains("DejaVu Sans Condensed"));
}

// fontconfig's own command-line answer for a pattern such as "Arial:lang=he".
QString FcMatchFamily(const QString& pattern) {
    QProcess match;
    match.start("fc-match", {"-f", "%{family[0]}", pattern});
    return match.waitForFinished(60000) ? QString::fromUtf8(match.readAllStandardOutput()) : QString();
}

// With nothing remembered, a font that no installed family shares a letter
// with gets the family fontconfig itself would draw it with.
TEST(InstalledFonts, UnknownFontGetsTheSystemsOwnSubstitute) {
    FontMap map(test::FreshSettingsFile());
    FontconfigCatalog catalog;
    FontconfigMatcher matcher;
    UnattendedFontChooser chooser(map, catalog, &matcher);
    const QList<InstalledFace> faces = catalog.Faces();
    bool checked = false;
    for (QString name : {"Arial", "Helvetica", "Courier"}) {
        for (auto [script, language] : {std::pair{"Western", "en"}, {"Hebrew", "he"}}) {
            const QSet<QString> families = FamiliesFor(faces, script);
            bool sharesALetter = false;
            for (const QString& family : families) sharesALetter |= family.startsWith(name[0], Qt::CaseInsensitive);
            QString expected = FcMatchFamily(name + ":outline=true:lang=" + language);
            if (sharesALetter || !families.contains(expected)) continue;
            FontSubstitutes answer = chooser.LookupSubstitutes(name.toStdString() + " Bold");
            std::string got = script == QString("Western") ? answer.english : answer.hebrew;
            EXPECT_EQ(got, (expected + " (" + script + ")").toStdString()) << name.toStdString();
            checked = true;
        }
    }
    if (!checked) GTEST_SKIP() << "every font tried shares a letter with an installed family";
}

// The faces named in a font table, by font number.
std::map<int, std::string> FacesOf(const std::string& table) {
    std::map<int, std::string> faces;
    static const std::regex font(R"(\{\\f(\d+)\\f(?:roman|bidi)\\fcharset\d+\\cpg\d+ ([^;}]*);\})");
    for (std::sregex_iterator it(table.begin(), table.end(), font), end; it != end; ++it)
        faces[std::stoi((*it)[1])] = (*it)[2];
    return faces;
}

// A real document naming Arial and Times New Roman, converted with nothing remembered.
TEST(InstalledFonts, CorpusDocumentGetsInstalledFacesForBothFonts) {
    FontMap map(test::FreshSettingsFile());
    FontconfigCatalog catalog;
    UnattendedFontChooser chooser(map, catalog);
    RtfBuffer document(test::ReadTestData("report-1980.wp")), message;
    ASSERT_EQ(ConvertDocument(document, message, nullptr, ConversionOptions{}, &chooser), kConverted) << message;

    std::map<int, std::string> faces = FacesOf(document.substr(0, document.find("{\\stylesheet")));
    ASSERT_EQ(faces.size(), 6u) << document.substr(0, 600);
    const QSet<QString> installed = FamilyNamesOnThisMachine();
    const QList<InstalledFace> covered = catalog.Faces();
    for (int number : {0, 1}) {
        for (auto [offset, script] : {std::pair{0, "Western"}, {1000, "Hebrew"}, {2000, "Arabic"}}) {
            QString face = QString::fromStdString(faces[offset + number]);
            EXPECT_TRUE(installed.contains(face)) << face.toStdString();
            EXPECT_TRUE(FamiliesFor(covered, script).contains(face)) << face.toStdString() << " " << script;
        }
    }
    EXPECT_EQ(map.Lookup("Arial"), FontChoice{});
    EXPECT_EQ(map.Lookup("Times"), FontChoice{});
}

}  // namespace
}  // namespace quorin
