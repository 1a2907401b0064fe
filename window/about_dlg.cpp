#include "window/about_dlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "app/contact.h"
#include "app/version.h"
#include "window/hyper_link.h"

namespace quorin {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Quorin"));
    auto* icon = new QLabel;
    QIcon programIcon = QApplication::windowIcon();
    if (programIcon.isNull()) programIcon = style()->standardIcon(QStyle::SP_ComputerIcon);
    icon->setPixmap(programIcon.pixmap(48));
    icon->setAlignment(Qt::AlignTop);

    auto* version = new QLabel(tr("Quorin Version %1").arg(QString::fromUtf8(kQuorinVersion)));
    webLink_ = new CHyperLink(QString::fromUtf8(kWebAddress));
    auto* support = new QLabel(tr("For technical support please write to:"));
    supportLink_ = new CHyperLink(QString::fromUtf8(kSupportAddress));
    auto* okButton = new QPushButton(tr("OK"));
    okButton->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 4, 1);
    layout->addWidget(version, 0, 1);
    layout->addWidget(webLink_, 1, 1);
    layout->addWidget(support, 2, 1);
    layout->addWidget(supportLink_, 3, 1);
    layout->addWidget(okButton, 0, 2, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    layout->setHorizontalSpacing(16);
    setTabOrder(webLink_, supportLink_);
    setTabOrder(supportLink_, okButton);
    okButton->setFocus();

    connect(okButton, &QPushButton::clicked, this, &CAboutDlg::accept);
}

}  // namespace quorin
