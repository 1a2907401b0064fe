#pragma once
#include <QDesktopServices>
#include <QTest>
#include <QString>
#include <QUrl>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

#include "app/user_messages.h"

// Waits until the condition holds (the window's events processed meanwhile),
// and fails if it never does.
#define EXPECT_EVENTUALLY(condition) \
    EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(condition); }, ::quorin::test::kPatience)) << #condition

namespace quorin::test {

// Records the messages shown and gives the answers queued, in order; without
// one it answers No to a question and OK otherwise. `whileShown` runs while
// a message is up, before it is answered.
class MessageRecorder : public UserMessages {
public:
    MessageAnswer Show(const UserMessage& message) override {
        shown.push_back(message);
        if (whileShown) whileShown(message);
        if (answers.empty()) return message.buttons == MessageButtons::kYesNo ? MessageAnswer::kNo : MessageAnswer::kOk;
        MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<UserMessage> shown;
    std::deque<MessageAnswer> answers;
    std::function<void(const UserMessage&)> whileShown;
};

// Runs `act` on the next modal dialog once it is up (from the event loop of
// whatever waits for it), so a test can answer a dialog it then opens. Stops
// waiting when it goes out of scope.
class WhenModal {
public:
    explicit WhenModal(std::function<void(QWidget*)> act);
    ~WhenModal();
    WhenModal(const WhenModal&) = delete;
    WhenModal& operator=(const WhenModal&) = delete;

private:
    QTimer* poll_;
};

// Alt and a letter, as a person presses a mnemonic, once the window has the
// keyboard (Alt keys reach only the active window). A button's mnemonic
// clicks it a moment later: wait for what the click does (EXPECT_EVENTUALLY).
void PressAlt(QWidget* window, Qt::Key key);

// How long a state is waited for before a test fails: generous, since the
// tests share a busy machine.
inline constexpr int kPatience = 20000;

// Catches the files and links the program asks the desktop to open, while it lives.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    std::vector<QUrl> urls;

public slots:
    void Open(const QUrl& url) { urls.push_back(url); }
};

// A fresh INI file in the temporary settings folder.
QString FreshSettingsFile();

// Shows `window` and waits until it takes the keyboard.
void ShowActive(QWidget& window);

}  // namespace quorin::test
