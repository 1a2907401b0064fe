#pragma once
#include <QString>
#include <QUrl>

class QWidget;

namespace quorin {

// The sections of the manual that Help buttons open.
inline const QString kManualMainWindow = QStringLiteral("main-window");
inline const QString kManualFontDialog = QStringLiteral("font-dialog");
inline const QString kManualDeleteFontMap = QStringLiteral("delete-fontmap");
inline const QString kManualCommandLine = QStringLiteral("command-line");
inline const QString kManualArchives = QStringLiteral("archives");

// The installed user manual in the window's language (or the build tree's
// copy when the program runs from there) at `section`; an empty URL when no
// manual is found.
QUrl ManualUrl(const QString& section = {});

// Opens the manual at `section` in the desktop's browser; says so in a box
// when that fails.
void OpenManual(QWidget* parent, const QString& section = {});

}  // namespace quorin
