// The window tests run inside one QApplication on the offscreen platform, with
// their settings in a temporary folder (set before the first use of QSettings).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "window/application_setup.h"
#include "window_test_support.h"

namespace quorin::test {

namespace {
QTemporaryDir* configHome = nullptr;
}

WhenModal::WhenModal(std::function<void(QWidget*)> act) : poll_(new QTimer) {
    QObject::connect(poll_, &QTimer::timeout, [poll = poll_, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        poll->stop();
        act(modal);
    });
    poll_->start(5);
}

WhenModal::~WhenModal() { delete poll_; }

void PressAlt(QWidget* window, Qt::Key key) {
    if (!QTest::qWaitForWindowActive(window->window(), kPatience)) ADD_FAILURE() << "the window never took the keyboard";
    // QTest spells only Latin keys; others go with the letter they type.
    if (key > 0xff) QTest::sendKeyEvent(QTest::Click, window, key, QString(QChar(char16_t(key))).toLower(), Qt::AltModifier);
    else QTest::keyClick(window, key, Qt::AltModifier);
}

QString FreshSettingsFile() {
    static int counter = 0;
    return QDir(configHome->path()).filePath(QStringLiteral("map-%1.ini").arg(++counter));
}

void ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window, kPatience));
}

}  // namespace quorin::test

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir folder;
    quorin::test::configHome = &folder;
    qputenv("XDG_CONFIG_HOME", folder.path().toUtf8());
    QApplication application(argc, argv);
    quorin::SetUpApplication();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// fontconfig keeps its configuration for the life of the process; a sanitized
// build would otherwise report it as a leak.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so"; }
