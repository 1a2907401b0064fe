#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace quorin {

// Where a window of frame size `size` goes beside the frame `main`, on the
// screen area `screen`: after it (to the right; to the left in a
// right-to-left layout) when there is room, else before it, else on the side
// with more room; level with its top, and always wholly on the screen.
QPoint BesideWindow(const QRect& main, const QSize& size, const QRect& screen, Qt::LayoutDirection direction);

// Where a window of frame size `size` stands centred on the screen area.
QPoint CentredOn(const QRect& screen, const QSize& size);

// Places `window`, before it is shown, centred on the screen of `near` (the
// primary screen without one).
void CentreOnScreen(QWidget& window, const QWidget* near);

}  // namespace quorin
