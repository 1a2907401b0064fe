#pragma once
#include <QColor>
#include <QLabel>
#include <QUrl>
#include <functional>

namespace quorin {

class UserMessages;

// A link in a dialog: underlined text in the theme's link colour until it
// has been opened once and its visited-link colour after (blue and purple in
// a light theme), in the text colour while linking is off, with the hand
// cursor. A click (or
// Space or Return when it has the focus) opens the target with the desktop's
// program for it; a failure is reported as "Error opening "TARGET"!".
class CHyperLink : public QLabel {
    Q_OBJECT

public:
    // `target` is what opens; without one the text itself is the target. A
    // target with "@" and no scheme is a mail address.
    explicit CHyperLink(const QString& text, const QString& target = {}, QWidget* parent = nullptr);

    QString Target() const { return target_.isEmpty() ? text() : target_; }
    QUrl Url() const;
    bool Visited() const { return visited_; }
    QColor TextColor() const;

    void SetLinking(bool on);
    // Where failures are reported; without one, a message box.
    void SetMessages(UserMessages* messages) { messages_ = messages; }
    // How a URL is opened; QDesktopServices::openUrl unless replaced.
    void SetOpener(std::function<bool(const QUrl&)> opener) { opener_ = std::move(opener); }

    void Open();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateLook();

    QString target_;
    bool visited_ = false;
    bool linking_ = true;
    UserMessages* messages_ = nullptr;
    std::function<bool(const QUrl&)> opener_;
};

}  // namespace quorin
