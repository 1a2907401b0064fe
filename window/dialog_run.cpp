#include "window/dialog_run.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "app/exit_status.h"
#include "window/quorin_dlg.h"

namespace quorin {

bool StartsWindow(const std::vector<std::string>& arguments) {
    return std::all_of(arguments.begin(), arguments.end(),
                       [](const std::string& argument) { return !argument.empty() && argument[0] != '-'; });
}

bool HasDisplay() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return true;
    }
    return false;
}

namespace {

// Said when Qt cannot reach the display; a message handler cannot carry it.
const char* whenNoDisplay = "";

// Qt ends the process when it cannot reach the display it was told of (a
// DISPLAY left over from a closed session): say what the command line can do
// instead and exit as for a usage error.
void ExitWhenTheDisplayFails(QtMsgType type, const QMessageLogContext&, const QString& text) {
    std::cerr << text.toLocal8Bit().constData() << "\n";
    if (type != QtFatalMsg) return;
    std::cerr << whenNoDisplay;
    std::_Exit(kExitUsage);
}

}  // namespace

int RunDialog(int argc, char** argv, const QStringList& files, const std::string& noDisplay) {
    whenNoDisplay = noDisplay.c_str();
    QtMessageHandler usual = qInstallMessageHandler(ExitWhenTheDisplayFails);
    QApplication application(argc, argv);
    qInstallMessageHandler(usual);
    QStringList paths;
    // Names given relative to where quorin was started stay valid from anywhere.
    for (const QString& file : files) paths << QFileInfo(file).absoluteFilePath();
    CQuorinDlg window(paths);
    if (!window.ShowStartupWarning()) return 0;
    // Not exec(): a modal main window would keep the tutorial beside it from
    // taking input.
    QObject::connect(&window, &QDialog::finished, &application, &QCoreApplication::quit);
    window.show();
    QTimer::singleShot(0, &window, &CQuorinDlg::OfferTips);
    application.exec();
    return 0;
}

}  // namespace quorin
