#pragma once
#include <QPointer>
#include <QWidget>

#include "app/user_messages.h"

namespace quorin {

// The batch's messages as message boxes: its text, caption, icon and buttons,
// in the window's language, owned by the dialog on top (the progress dialog
// while a batch runs). Call
// it on the window's thread only; GuiThreadMessages brings other threads'
// messages there.
class CMessageBoxes : public UserMessages {
public:
    explicit CMessageBoxes(QWidget* owner) : owner_(owner) {}

    MessageAnswer Show(const UserMessage& message) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace quorin
