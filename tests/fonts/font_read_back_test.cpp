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

#include "core/convert_document.h"
#include "fonts/fontconfig_catalog.h"
#include "fonts/unattended_font_chooser.h"
#include "qt_printing.h"
#include "support/wp_builder.h"
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

TEST(FontReadBack, CorpusDocumentUsesTheRememberedFaces) {
    QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";

    FontMap map(test::FreshSettingsFile());
    map.Store("Arial", {"DejaVu Serif (Western)", "Noto Sans Hebrew (Hebrew)", "Noto Sans Arabic (Arabic)"});
    map.Store("Times", {"DejaVu Sans Mono (Western)", "Noto Serif Hebrew (Hebrew)", "Noto Naskh Arabic (Arabic)"});
    FontconfigCatalog catalog;
    UnattendedFontChooser chooser(map, catalog);
    RtfBuffer document(test::ReadTestData("report-1980.wp")), message;
    ASSERT_EQ(ConvertDocument(document, message, nullptr, ConversionOptions{}, &chooser), kConverted) << message;

    QSet<QString> names = FontNamesReadBack(QByteArray::fromStdString(document), soffice);
    ASSERT_FALSE(names.isEmpty()) << "LibreOffice did not convert the document";
    EXPECT_TRUE(names.contains("DejaVu Serif"));  // the body's font, Arial
    for (const QString& name : names) EXPECT_FALSE(name.contains(" (")) << name.toStdString();
}

}  // namespace
}  // namespace quorin
