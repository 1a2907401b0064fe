#include "window/tutorial_dlg.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QTextEdit>
#include <QVBoxLayout>

#include "window/rtf_view.h"
#include "window/tutorial_pages.h"

namespace quorin {

CTutorialDlg::CTutorialDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Tutorial"));
    setModal(false);
    text_ = new QTextEdit;
    text_->setReadOnly(true);
    text_->setMinimumSize(440, 240);
    previousButton_ = new QPushButton(tr("< Previous"));
    nextButton_ = new QPushButton(tr("&Next >"));
    finishButton_ = new QPushButton(tr("&Finish"));
    auto* cancelButton = new QPushButton(tr("&Cancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(previousButton_);
    buttons->addWidget(nextButton_);
    buttons->addWidget(finishButton_);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
    setTabOrder(text_, previousButton_);
    setTabOrder(previousButton_, nextButton_);
    setTabOrder(nextButton_, finishButton_);
    setTabOrder(finishButton_, cancelButton);

    connect(previousButton_, &QPushButton::clicked, this, [this] { ShowPage(page_ - 1); });
    connect(nextButton_, &QPushButton::clicked, this, [this] { ShowPage(page_ + 1); });
    connect(finishButton_, &QPushButton::clicked, this, &CTutorialDlg::accept);
    connect(cancelButton, &QPushButton::clicked, this, &CTutorialDlg::reject);
}

QString CTutorialDlg::PageText() const { return text_->toPlainText(); }

QTextDocument* CTutorialDlg::PageDocument() const { return text_->document(); }

// A theme changed while the page is shown: its colours are chosen again.
void CTutorialDlg::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && isVisible()) ShowPage(page_);
}

void CTutorialDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    ShowPage(0);
    nextButton_->setFocus();
}

void CTutorialDlg::ShowPage(int page) {
    page_ = std::clamp(page, 0, kTutorialPageCount - 1);
    const QPalette colours = text_->palette();
    RenderRtf(TutorialPageRtf(page_, layoutDirection() == Qt::RightToLeft), *text_->document(), &colours);
    bool first = page_ == 0;
    bool last = page_ == kTutorialPageCount - 1;
    previousButton_->setEnabled(!first);
    nextButton_->setEnabled(!last);
    finishButton_->setEnabled(last);
    // A disabled button can hold neither the focus nor the default role.
    if (last) finishButton_->setFocus();
    else if (first && !nextButton_->hasFocus()) nextButton_->setFocus();
}

}  // namespace quorin
