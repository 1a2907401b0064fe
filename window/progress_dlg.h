#pragma once
#include <QDialog>

#include "app/batch_progress.h"
#include "app/progress_bar.h"
#include "app/user_messages.h"
#include "core/cancel_request.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace quorin {

// "Converting...": the current file's path, a bar with its percentage, and
// Cancel. It shows itself, modal, when the batch reaches its first file, so
// the window behind takes no input until the batch ends. Cancel, Escape and
// the close box all ask the cancel confirmation; the dialog stays open either
// way, and the batch ends at its next check. Call it on the window's thread.
class CProgressDlg : public QDialog, public BatchProgressView {
    Q_OBJECT

public:
    CProgressDlg(UserMessages& messages, CancelRequest& cancel, QWidget* owner);

    void SetRange(int32_t lower, int32_t upper) override;
    void SetStep(int32_t step) override;
    void StepIt() override;
    void ShowFileName(const std::string& name) override;
    // The batch's end is the owner's to decide: it closes the dialog when
    // the batch's thread is done (Word documents may still be in the making).
    void Close() override {}

    bool Cancelled() const { return cancelled_; }
    QString FileName() const { return fileName_; }
    QString PercentText() const;
    QPushButton* CancelButton() const { return cancelButton_; }

    void reject() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowOnce();
    void OnCancel();
    void ShowElidedName();

    UserMessages& messages_;
    CancelRequest& cancel_;
    ProgressBar model_;
    bool cancelled_ = false;
    bool asking_ = false;
    QString fileName_;
    QLabel* fileLabel_ = nullptr;
    QLabel* percentLabel_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace quorin
