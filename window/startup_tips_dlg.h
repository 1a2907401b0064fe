#pragma once
#include <QDialog>

class QCheckBox;
class QTextEdit;

namespace quorin {

// The tip of the day. The setting "Options/StartupTips" holds the number of
// the next tip in bits 0 to 30 and, in bit 31, whether tips are shown at
// start-up; it is read at construction and written back at destruction, so
// the tips go on from run to run, one tip per showing.
class CStartupTipsDlg : public QDialog {
    Q_OBJECT

public:
    // The result of exec() when the person asked for the tutorial.
    static constexpr int kViewTutorial = 3;

    explicit CStartupTipsDlg(QWidget* parent = nullptr);
    ~CStartupTipsDlg() override;

    // Whether the tips are to be shown when the window opens.
    static bool ShouldShowAtStartup();

    // The tip on display, counted from 1; 0 before the first showing.
    int TipShown() const { return tipShown_; }
    QString TipText() const;

signals:
    void TutorialRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowNextTip();

    int nextTip_ = 0;
    bool showAtStartup_ = true;
    int tipShown_ = 0;
    QTextEdit* text_ = nullptr;
    QCheckBox* showCheck_ = nullptr;
};

}  // namespace quorin
