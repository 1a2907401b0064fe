#include "window/hyper_link.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "app/user_messages.h"
#include "window/message_translation.h"

namespace quorin {

CHyperLink::CHyperLink(const QString& text, const QString& target, QWidget* parent)
    : QLabel(text, parent), target_(target), opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::TabFocus);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    UpdateLook();
}

QUrl CHyperLink::Url() const {
    QString target = Target();
    if (target.contains(u'@') && !target.contains(u':')) return QUrl(QStringLiteral("mailto:") + target);
    return QUrl::fromUserInput(target);
}

QColor CHyperLink::TextColor() const { return palette().color(foregroundRole()); }

void CHyperLink::SetLinking(bool on) {
    linking_ = on;
    UpdateLook();
}

// The theme's colours for links, so that a link reads on a dark background too.
void CHyperLink::UpdateLook() {
    setForegroundRole(!linking_ ? QPalette::WindowText : visited_ ? QPalette::LinkVisited : QPalette::Link);
    setCursor(linking_ ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void CHyperLink::Open() {
    if (!linking_) return;
    if (!opener_(Url())) {
        std::string text = "Error opening \"" + Target().toStdString() + "\"!";
        if (messages_) messages_->Show({text, "Error!", MessageIcon::kError, MessageButtons::kOk});
        else QMessageBox::critical(this, QCoreApplication::translate("Messages", "Error!"), TranslatedMessage(text));
        return;
    }
    visited_ = true;
    UpdateLook();
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Open();
}

// A link reached with Tab shows that it has the keyboard.
void CHyperLink::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

void CHyperLink::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Open();
        return;
    }
    QLabel::keyPressEvent(event);
}

}  // namespace quorin
