#pragma once
#include <QDialog>

class QPushButton;
class QTextDocument;
class QTextEdit;

namespace quorin {

// A page-by-page guide through a conversion. Modeless: the main window owns
// it and stays usable beside it; each showing starts at the first page.
// Finish, Cancel and Escape hide it.
class CTutorialDlg : public QDialog {
    Q_OBJECT

public:
    explicit CTutorialDlg(QWidget* parent = nullptr);

    // The page on display, counted from 0.
    int Page() const { return page_; }
    QString PageText() const;
    QTextDocument* PageDocument() const;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ShowPage(int page);

    int page_ = 0;
    QTextEdit* text_ = nullptr;
    QPushButton* previousButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* finishButton_ = nullptr;
};

}  // namespace quorin
