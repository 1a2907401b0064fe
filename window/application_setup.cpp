#include "window/application_setup.h"

#include <QApplication>
#include <QIcon>

namespace quorin {

void SetUpApplication() {
    // The desktop's icon theme first; the program's own copy when it lacks one.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("quorin"), QIcon(QStringLiteral(":/quorin.svg"))));
    QGuiApplication::setDesktopFileName(QStringLiteral("quorin"));
}

}  // namespace quorin
