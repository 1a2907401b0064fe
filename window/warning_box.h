#pragma once
#include <QDialog>

namespace quorin {

// The disclaimer shown at every start of the window: Accept, or the program ends.
class CWarningBox : public QDialog {
    Q_OBJECT

public:
    explicit CWarningBox(QWidget* parent = nullptr);

    // Shows the warning modally; true when the person accepted it.
    static bool Accepted(QWidget* parent);
};

inline constexpr const char* kDisclaimer = QT_TRANSLATE_NOOP(
    "quorin::CWarningBox",
    "This Program is still under development! No responsibility whatsoever is taken by the Developer for any "
    "damage caused by this program whether direct or indirect. Use at your own risk!");

}  // namespace quorin
