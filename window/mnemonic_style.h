#pragma once
#include <QProxyStyle>

namespace quorin {

// Underlines the letters of the Alt keys only while Alt is held. Arabic
// letters join one another, and an underlined letter is drawn apart from
// its word (the word is shaped in pieces), so in Arabic the underlines stay
// hidden until the person reaches for them; the Alt keys work throughout.
class MnemonicsOnAltStyle : public QProxyStyle {
    Q_OBJECT

public:
    MnemonicsOnAltStyle();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowUnderlines(bool show);

    bool altHeld_ = false;
};

// Whether letters of `language` join, so that its Alt keys' letters are
// best underlined only while Alt is held.
bool LettersJoin(const QString& language);

}  // namespace quorin
