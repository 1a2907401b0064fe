#include "window/progress_dlg.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "window/shown_path.h"

namespace quorin {

CProgressDlg::CProgressDlg(UserMessages& messages, CancelRequest& cancel, QWidget* owner)
    : QDialog(owner), messages_(messages), cancel_(cancel) {
    setWindowTitle(tr("Converting..."));
    setWindowModality(Qt::ApplicationModal);
    // No help or close-less frame tricks: the close box asks like Cancel does.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    fileLabel_ = new QLabel(this);
    fileLabel_->setObjectName("fileName");
    fileLabel_->setTextFormat(Qt::PlainText);
    // A path reads from left to right in every language.
    fileLabel_->setLayoutDirection(Qt::LeftToRight);
    if (QGuiApplication::isRightToLeft()) fileLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fileLabel_->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    percentLabel_ = new QLabel(" 0 %", this);
    percentLabel_->setObjectName("percent");
    percentLabel_->setAlignment(Qt::AlignHCenter);
    bar_ = new QProgressBar(this);
    bar_->setTextVisible(false);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName("cancel");
    cancelButton_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelButton_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileLabel_);
    layout->addWidget(percentLabel_);
    layout->addWidget(bar_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cancelButton_, &QPushButton::clicked, this, &CProgressDlg::OnCancel);
}

void CProgressDlg::SetRange(int32_t lower, int32_t upper) {
    ShowOnce();
    model_.SetRange(lower, upper);
    bar_->setRange(lower, upper);
    bar_->setValue(model_.Position());
}

void CProgressDlg::SetStep(int32_t step) { model_.SetStep(step); }

void CProgressDlg::StepIt() {
    ShowOnce();
    model_.StepIt();
    bar_->setValue(model_.Position());
    QString percent = QString::fromStdString(model_.Percent());
    if (percentLabel_->text() != percent) percentLabel_->setText(percent);
}

QString CProgressDlg::PercentText() const { return percentLabel_->text(); }

void CProgressDlg::ShowFileName(const std::string& name) {
    ShowOnce();
    fileName_ = ShownPath(QString::fromStdString(name));
    fileLabel_->setToolTip(fileName_);
    ShowElidedName();
}

// A long path keeps its beginning and its file name; the whole path is the tooltip.
void CProgressDlg::ShowElidedName() {
    fileLabel_->setText(fileLabel_->fontMetrics().elidedText(fileName_, Qt::ElideMiddle, fileLabel_->width()));
}

void CProgressDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    ShowElidedName();
}

void CProgressDlg::ShowOnce() {
    if (!isVisible()) show();
}

void CProgressDlg::OnCancel() {
    // A second click while the question is up must not ask again.
    if (asking_) return;
    asking_ = true;
    if (ConfirmCancel(messages_, cancel_)) cancelled_ = true;
    asking_ = false;
}

// Escape and the close box (QDialog turns it into reject) ask as Cancel does;
// the dialog stays until the batch has ended.
void CProgressDlg::reject() { OnCancel(); }

}  // namespace quorin
