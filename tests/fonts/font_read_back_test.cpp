// The faces of a font table as a word processor reads them back: LibreOffice
// converts the RTF to flat OpenDocument, whose font declarations are compared.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "core/font_table.h"
#include "fonts/fontconfig_catalog.h"
#include "fonts/unattended_font_chooser.h"
#include "qt_printing.h"
#include "temporary_config_home.h"

namespace quorin {
namespace {

// The names of the font declarations LibreOffice makes for `rtf`; empty on failure.
QSet<QString> FontNamesReadBack(const QByteArray& rtf, const QString& soffice) {
    QTemporaryDir folder;
    QFile file(folder.filePath("fonts.rtf"));
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size()) return {};
    file.close();
    QProcess convert;
    convert.start(soffice, {"--headless", "-env:UserInstallation=file://" + folder.filePath("profile"),
                            "--convert-to", "fodt", "--outdir", folder.path(), file.fileName()});
    if (!convert.waitForFinished(180000)) return {};
    QFile converted(folder.filePath("fonts.fodt"));
    if (!converted.open(QIODevice::ReadOnly)) return {};
    QString xml = QString::fromUtf8(converted.readAll());
    QSet<QString> names;
    static const QRegularExpression declaration(R"re(<style:font-face style:name="([^"]*)")re");
    for (const QRegularExpressionMatch& match : declaration.globalMatch(xml)) names.insert(match.captured(1));
    return names;
}

TEST(FontReadBack, ChosenFacesKeepTheirNamesWithoutTheScript) {
    QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";

    FontMap map(test::FreshSettingsFile());
    map.Store("Times", {"DejaVu Serif (Western)", "Noto Sans Hebrew (Hebrew)", "Noto Naskh Arabic (Arabic)"});
    map.Store("Courier", {"DejaVu Sans Mono (Western)", "DejaVu Sans (Hebrew)", "Noto Kufi Arabic (Arabic)"});
    FontconfigCatalog catalog;
    UnattendedFontChooser chooser(map, catalog);
    std::string records(2 * 86, '\0');
    records[86 + 18] = 12;
    RtfBuffer list(records), pool(std::string("Times Roman\0Courier-TT\0", 23)), table;
    WriteFontTable(list, pool, table, ConversionOptions{}, &chooser);

    QByteArray rtf = QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0") + table.c_str() +
                     "\\pard\\plain\\f0\\fs24 Serif\\par\n"
                     "\\pard\\rtlpar\\plain\\lang1037\\f1000\\fs24 \\'e0\\'e1\\par\n"
                     "\\pard\\rtlpar\\plain\\lang1025\\f2000\\fs24 \\'c7\\'e1\\par\n"
                     "\\pard\\plain\\f1\\fs24 Mono\\par\n"
                     "\\pard\\rtlpar\\plain\\lang1037\\f1001\\fs24 \\'e0\\'e1\\par\n"
                     "\\pard\\rtlpar\\plain\\lang1025\\f2001\\fs24 \\'c7\\'e1\\par\n}";
    QSet<QString> names = FontNamesReadBack(rtf, soffice);
    ASSERT_FALSE(names.isEmpty()) << "LibreOffice did not convert the document";
    for (const char* face : {"DejaVu Serif", "Noto Sans Hebrew", "Noto Naskh Arabic", "DejaVu Sans Mono",
                             "DejaVu Sans", "Noto Kufi Arabic"}) {
        EXPECT_TRUE(names.contains(face)) << face;
    }
    for (const QString& name : names) EXPECT_FALSE(name.contains(" (")) << name.toStdString();
}

}  // namespace
}  // namespace quorin
