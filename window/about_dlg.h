#pragma once
#include <QDialog>

namespace quorin {

class CHyperLink;

// About Quorin: the program's name and version, its web page and where to
// write for support.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    CHyperLink* WebLink() const { return webLink_; }
    CHyperLink* SupportLink() const { return supportLink_; }

private:
    CHyperLink* webLink_ = nullptr;
    CHyperLink* supportLink_ = nullptr;
};

}  // namespace quorin
