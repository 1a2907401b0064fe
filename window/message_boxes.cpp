#include "window/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

#include "window/message_translation.h"

namespace quorin {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::kError: return QMessageBox::Critical;
        case MessageIcon::kExclamation: return QMessageBox::Warning;
        case MessageIcon::kQuestion: return QMessageBox::Question;
        case MessageIcon::kInformation: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer CMessageBoxes::Show(const UserMessage& message) {
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) owner = owner_;
    QMessageBox box(BoxIcon(message.icon), TranslatedMessage(message.caption), TranslatedMessage(message.text),
                    QMessageBox::NoButton, owner);
    // Paths and the program's texts are plain text, never markup.
    box.setTextFormat(Qt::PlainText);
    switch (message.buttons) {
        case MessageButtons::kOk:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::kOkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case MessageButtons::kYesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Cancel: return MessageAnswer::kCancel;
        case QMessageBox::Yes: return MessageAnswer::kYes;
        case QMessageBox::No: return MessageAnswer::kNo;
        default: return MessageAnswer::kOk;
    }
}

}  // namespace quorin
