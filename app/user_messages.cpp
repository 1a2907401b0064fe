#include "app/user_messages.h"

namespace quorin {

UserMessage CanceledMessage() {
    return {texts::kUserCanceled, texts::kCanceledCaption, MessageIcon::kExclamation, MessageButtons::kOk};
}

bool ConfirmCancel(UserMessages& messages, CancelRequest& cancel) {
    MessageAnswer answer = messages.Show(
        {texts::kCancelQuestion, texts::kCancelCaption, MessageIcon::kQuestion, MessageButtons::kYesNo});
    if (answer != MessageAnswer::kYes) return false;
    cancel.Request();
    return true;
}

void ShowError(UserMessages& messages, CancelRequest& cancel, const std::string& text,
               const std::string& caption) {
    if (messages.Show({text, caption, MessageIcon::kError, MessageButtons::kOkCancel}) == MessageAnswer::kCancel)
        ConfirmCancel(messages, cancel);
}

}  // namespace quorin
