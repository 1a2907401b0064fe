#include "window/warning_box.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "window/placement.h"

namespace quorin {

CWarningBox::CWarningBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Warning!"));
    auto* text = new QPlainTextEdit(tr(kDisclaimer));
    text->setReadOnly(true);
    QFont font = text->font();
    font.setPixelSize(15);
    text->setFont(font);
    text->setMinimumSize(360, 110);
    auto* acceptButton = new QPushButton(tr("&Accept"));
    auto* cancelButton = new QPushButton(tr("&Cancel"));
    acceptButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(acceptButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addLayout(buttons);
    setTabOrder(text, acceptButton);
    setTabOrder(acceptButton, cancelButton);
    acceptButton->setFocus();

    connect(acceptButton, &QPushButton::clicked, this, &CWarningBox::accept);
    connect(cancelButton, &QPushButton::clicked, this, &CWarningBox::reject);
}

// It comes before the main window is shown: centred on the screen, not on
// a window that is not there yet.
bool CWarningBox::Accepted(QWidget* parent) {
    CWarningBox box(parent);
    CentreOnScreen(box, parent);
    return box.exec() == QDialog::Accepted;
}

}  // namespace quorin
