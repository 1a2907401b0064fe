#include "window/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace quorin {

namespace {

constexpr int kGap = 8;

// x within the screen, y too, as far as the window fits.
QPoint OnScreen(QPoint at, const QSize& size, const QRect& screen) {
    at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - size.width())));
    at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - size.height())));
    return at;
}

}  // namespace

QPoint BesideWindow(const QRect& main, const QSize& size, const QRect& screen, Qt::LayoutDirection direction) {
    const int roomRight = screen.right() - main.right() - kGap;
    const int roomLeft = main.left() - screen.left() - kGap;
    const int rightX = main.right() + 1 + kGap;
    const int leftX = main.left() - kGap - size.width();
    const bool rightFirst = direction != Qt::RightToLeft;
    int x;
    if ((rightFirst ? roomRight : roomLeft) >= size.width()) x = rightFirst ? rightX : leftX;
    else if ((rightFirst ? roomLeft : roomRight) >= size.width()) x = rightFirst ? leftX : rightX;
    else x = roomRight >= roomLeft ? rightX : leftX;
    return OnScreen({x, main.top()}, size, screen);
}

QPoint CentredOn(const QRect& screen, const QSize& size) {
    return OnScreen(screen.center() - QPoint(size.width() / 2, size.height() / 2), size, screen);
}

void CentreOnScreen(QWidget& window, const QWidget* near) {
    QScreen* screen = near && near->screen() ? near->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    window.adjustSize();
    window.move(CentredOn(screen->availableGeometry(), window.frameGeometry().size()));
}

}  // namespace quorin
