#include "window/manual.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "window/shown_path.h"

namespace quorin {

namespace {

// Installed programs find it beside them (bin/../share/doc/quorin); the build
// tree keeps a copy at the same place relative to its programs.
QString ManualFile() {
    const QString relative = QStringLiteral("../share/doc/quorin/manual.html");
    QStringList candidates = {QDir(QCoreApplication::applicationDirPath()).filePath(relative),
                              QStringLiteral(QUORIN_INSTALLED_MANUAL), QStringLiteral(QUORIN_BUILD_MANUAL)};
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile()) return QFileInfo(candidate).canonicalFilePath();
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
