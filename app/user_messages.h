#pragma once
#include <string>

#include "app/message_texts.h"
#include "core/cancel_request.h"

namespace quorin {

enum class MessageIcon { kError, kExclamation, kQuestion, kInformation };
enum class MessageButtons { kOk, kOkCancel, kYesNo };
enum class MessageAnswer { kOk, kCancel, kYes, kNo };

struct UserMessage {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::kError;
    MessageButtons buttons = MessageButtons::kOk;
};

// Where the batch shows its messages and gets the user's answer: the terminal
// (answers OK), later message boxes, in tests a recorder.
class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual MessageAnswer Show(const UserMessage& message) = 0;
};

// The one cancel confirmation: on Yes sets the cancel request and returns true.
bool ConfirmCancel(UserMessages& messages, CancelRequest& cancel);

// The "User Canceled!" box that ends every cancelled batch.
UserMessage CanceledMessage();

// Shows an "Error!" box with OK and Cancel; Cancel asks the confirmation.
void ShowError(UserMessages& messages, CancelRequest& cancel, const std::string& text,
               const std::string& caption = texts::kErrorCaption);

}  // namespace quorin
