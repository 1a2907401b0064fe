#include "window/manual.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "window/shown_path.h"
#include "window/translations.h"

namespace quorin {

namespace {

// The manual in the window's language (manual_he.html beside manual.html),
// else in English. Installed programs find it beside them
// (bin/../share/doc/quorin); the build tree keeps a copy at the same place
// relative to its programs.
QString ManualFile() {
    QStringList folders = {QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/doc/quorin")),
                           QFileInfo(QStringLiteral(QUORIN_INSTALLED_MANUAL)).path()};
#ifdef QUORIN_BUILD_MANUAL
    folders << QFileInfo(QStringLiteral(QUORIN_BUILD_MANUAL)).path();
#endif
    QStringList names = {QStringLiteral("manual.html")};
    if (WindowLanguage() != u"en") names.prepend(QStringLiteral("manual_") + WindowLanguage() + QStringLiteral(".html"));
    for (const QString& name : names) {
        for (const QString& folder : folders) {
            const QFileInfo candidate(QDir(folder).filePath(name));
            if (candidate.isFile()) return candidate.canonicalFilePath();
        }
    }
    return {};
}

}  // namespace

QUrl ManualUrl(const QString& section) {
    QString file = ManualFile();
    if (file.isEmpty()) return {};
    QUrl url = QUrl::fromLocalFile(file);
    if (!section.isEmpty()) url.setFragment(section);
    return url;
}

void OpenManual(QWidget* parent, const QString& section) {
    QUrl url = ManualUrl(section);
    if (url.isValid() && QDesktopServices::openUrl(url)) return;
    QString shown = url.isValid() ? url.toString() : QStringLiteral("manual.html");
    QMessageBox::critical(parent, QCoreApplication::translate("Messages", "Error!"),
                          QCoreApplication::translate("Messages", "Error opening \"%1\"!").arg(ShownPath(shown)));
}

}  // namespace quorin
