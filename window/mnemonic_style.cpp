#include "window/mnemonic_style.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace quorin {

MnemonicsOnAltStyle::MnemonicsOnAltStyle() : QProxyStyle(nullptr) { qApp->installEventFilter(this); }

int MnemonicsOnAltStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                   QStyleHintReturn* returnData) const {
    if (hint == SH_UnderlineShortcut) return altHeld_ ? 1 : 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

bool MnemonicsOnAltStyle::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Alt) ShowUnderlines(event->type() == QEvent::KeyPress);
            break;
        }
        case QEvent::ApplicationDeactivate: ShowUnderlines(false); break;
        default: break;
    }
    return QProxyStyle::eventFilter(watched, event);
}

void MnemonicsOnAltStyle::ShowUnderlines(bool show) {
    if (altHeld_ == show) return;
    altHeld_ = show;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible()) continue;
        widget->update();
        for (QWidget* child : widget->findChildren<QWidget*>()) child->update();
    }
}

bool LettersJoin(const QString& language) { return language == u"ar"; }

}  // namespace quorin
