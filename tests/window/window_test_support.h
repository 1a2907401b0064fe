#pragma once
#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

#include "app/user_messages.h"

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

// Alt and a letter, as a person presses a mnemonic; waits out the button's
// animated click.
void PressAlt(QWidget* window, Qt::Key key);

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
