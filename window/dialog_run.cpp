#include "window/dialog_run.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "app/exit_status.h"
#include "window/application_setup.h"
#include "window/quorin_dlg.h"
#include "window/translations.h"

namespace quorin {

namespace {

// Qt's standard options (of QGuiApplication, QApplication and the X11
// platform), written with one dash or two; those with a value take it as the
// next argument or after "=".
constexpr std::array<std::string_view, 13> kQtOptionsWithValue = {
    "style", "stylesheet", "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle", "session", "display", "geometry", "qmljsdebugger"};
constexpr std::array<std::string_view, 4> kQtFlags = {"reverse", "widgetcount", "nograb", "dograb"};

// The name of an option: without its dashes and its "=value".
std::string_view OptionName(std::string_view argument) {
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    return argument.substr(0, argument.find('='));
}

// How many arguments the Qt option at `at` takes up (itself and its value);
// 0 when it is not one.
size_t QtOptionLength(const std::vector<std::string>& arguments, size_t at) {
    const std::string& argument = arguments[at];
    if (!argument.starts_with('-')) return 0;
    std::string_view name = OptionName(argument);
    auto among = [name](const auto& names) { return std::find(names.begin(), names.end(), name) != names.end(); };
    const bool withValue = argument.find('=') != std::string::npos;
    if (!withValue && among(kQtFlags)) return 1;
    if (!among(kQtOptionsWithValue)) return 0;
    if (withValue) return 1;
    return at + 1 < arguments.size() ? 2 : 0;
}

}  // namespace

bool StartsWindow(const std::vector<std::string>& arguments) {
    for (size_t at = 0; at < arguments.size();) {
        if (size_t length = QtOptionLength(arguments, at)) {
            at += length;
        } else if (!arguments[at].empty() && arguments[at][0] != '-') {
            ++at;
        } else {
            return false;
        }
    }
    return true;
}

std::vector<std::string> PathArguments(const std::vector<std::string>& arguments) {
    std::vector<std::string> paths;
    for (size_t at = 0; at < arguments.size();) {
        if (size_t length = QtOptionLength(arguments, at)) {
            at += length;
        } else {
            paths.push_back(arguments[at++]);
        }
    }
    return paths;
}

bool HasDisplay(const std::vector<std::string>& arguments) {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return true;
    }
    for (size_t at = 0; at < arguments.size(); ++at) {
        if (QtOptionLength(arguments, at) > 0 && OptionName(arguments[at]) == "platform") return true;
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

int RunDialog(int argc, char** argv, const std::string& noDisplay) {
    whenNoDisplay = noDisplay.c_str();
    QStringList paths;
    // Names given relative to where quorin was started stay valid from anywhere.
    for (const std::string& path : PathArguments({argv + 1, argv + argc}))
        paths << QFileInfo(QString::fromLocal8Bit(path)).absoluteFilePath();
    QtMessageHandler usual = qInstallMessageHandler(ExitWhenTheDisplayFails);
    QApplication application(argc, argv);
    qInstallMessageHandler(usual);
    SetUpApplication();
    UseLanguage(WindowLanguageFor(QLocale::system().uiLanguages()));
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
